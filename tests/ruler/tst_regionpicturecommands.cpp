// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "ruler/commands/rulermenu.h"
#include "ruler/patterneddesktop.h"
#include "rulerfixture.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QImageReader>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>

// "Copy Picture of Region" and "Save Picture of Region…" on a ruler, on a desktop whose picture the
// test makes: what reaches the clipboard and the file, and what happens where no picture can be had.
namespace {

const QRect kGeometry(100, 100, 600, 400);
// A place on the ruler's body where a ruler without figure and readings draws nothing, and a place on
// its top scale (the long tick at 100) where it draws in the ruler's colour.
const QPoint kBody(300, 200);
const QPoint kTick(100, 0);
const QColor kRulerColor(111, 33, 55);

QImage clipboardImage()
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasImage() ? QGuiApplication::clipboard()->image() : QImage();
}

} // namespace

class TestRegionPictureCommands : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void copiedPictureIsTheScreenWithTheRulerOver_data();
    void copiedPictureIsTheScreenWithTheRulerOver();
    void readingsAndFigureAreDrawnOver();
    void keysAndMenuEntries_data();
    void keysAndMenuEntries();
    void noPictureCopiesAndSavesNothing_data();
    void noPictureCopiesAndSavesNothing();
    void savesAPngOfTheScreensPixels();
    void remembersTheFolderSavedTo();
    void cancelledOrFailedSaveLeavesNoFile();

private:
    // The active ruler at kGeometry, drawing nothing on its body.
    RulerWindow *plainRuler();
    RulerFixture m_fixture;
    QStringList m_messages;
    QStringList m_suggested;
    QString m_answer;
    std::function<QString(QWidget *, const QString &, const QString &)> m_askBefore;
};

void TestRegionPictureCommands::init()
{
    m_fixture.setUp();
    m_messages.clear();
    m_suggested.clear();
    m_answer.clear();
    m_fixture.hub->setMessageHandler([this](const QString &text) { m_messages.append(text); });
    m_askBefore = RulerWindow::askRegionPictureFile;
    RulerWindow::askRegionPictureFile = [this](QWidget *, const QString &, const QString &suggested) {
        m_suggested.append(suggested);
        return m_answer;
    };
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
}

void TestRegionPictureCommands::cleanup()
{
    RulerWindow::askRegionPictureFile = m_askBefore;
    m_fixture.tearDown();
}

RulerWindow *TestRegionPictureCommands::plainRuler()
{
    RulerWindow *ruler = m_fixture.shown(kGeometry, true);
    setOption(*ruler, RulerOption::ShowFigure, false);
    setOption(*ruler, RulerOption::ShowReadings, false);
    return ruler;
}

void TestRegionPictureCommands::copiedPictureIsTheScreenWithTheRulerOver_data()
{
    QTest::addColumn<QRect>("area");
    QTest::addColumn<int>("scale");
    QTest::addColumn<QSize>("size");

    QTest::newRow("whole ruler on the desktop") << QRect(0, 0, 800, 600) << 1 << QSize(600, 400);
    QTest::newRow("desktop left of and above zero") << QRect(-1280, -200, 2080, 800) << 1 << QSize(600, 400);
    QTest::newRow("scaled 200 %") << QRect(0, 0, 800, 600) << 2 << QSize(1200, 800);
    QTest::newRow("partly off the desktop") << QRect(150, 130, 1000, 800) << 1 << QSize(550, 370);
    QTest::newRow("partly off, scaled 200 %") << QRect(150, 130, 1000, 800) << 2 << QSize(1100, 740);
}

void TestRegionPictureCommands::copiedPictureIsTheScreenWithTheRulerOver()
{
    QFETCH(QRect, area);
    QFETCH(int, scale);
    QFETCH(QSize, size);
    const ScreenPicture screen = patternedDesktop(area, scale);
    m_fixture.desktop->picture = [screen] { return screen; };
    RulerWindow *ruler = plainRuler();

    ruler->execute(RulerCommand::CopyRegionPicture);
    const QImage copied = clipboardImage();
    QVERIFY(m_messages.isEmpty());
    QCOMPARE(copied.size(), size);

    // The region's top-left corner, in the ruler's and in the screen picture's pixels.
    const QPoint shown = kGeometry.intersected(area).topLeft();
    const QPoint rulerCorner = shown - kGeometry.topLeft();
    const QPoint screenCorner = (shown - area.topLeft()) * scale;
    for (const QPoint &step : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(37, 21)}) {
        const QPoint at = (kBody - rulerCorner) * scale + step;
        QCOMPARE(copied.pixelColor(at), screen.image.pixelColor(screenCorner + at));
    }
    // The scale's tick, in every device pixel it covers; the top scale is off a desktop that starts
    // below the ruler's top.
    if (rulerCorner.y() == 0) {
        for (int dx = 0; dx < scale; ++dx)
            QCOMPARE(copied.pixelColor((kTick - rulerCorner) * scale + QPoint(dx, 0)), kRulerColor);
    }
    QCOMPARE(m_fixture.desktop->picturesTaken, 1);
}

// The readings and the figure are part of the picture: over two different screens, their pixels are
// the same, and they are not the screen's.
void TestRegionPictureCommands::readingsAndFigureAreDrawnOver()
{
    const QRect area(0, 0, 800, 600);
    RulerWindow *ruler = m_fixture.shown(kGeometry, true);
    setOption(*ruler, RulerOption::ShowFigure, true);
    setOption(*ruler, RulerOption::ShowReadings, true);
    const QRegion figure = ruler->shaper().figureArea();
    QVERIFY(!figure.isEmpty());

    m_fixture.desktop->picture = [area] { return patternedDesktop(area, 1); };
    ruler->execute(RulerCommand::CopyRegionPicture);
    const QImage overPattern = clipboardImage();
    m_fixture.desktop->picture = [area] {
        ScreenPicture plain;
        plain.area = area;
        plain.image = QImage(area.size(), QImage::Format_RGB32);
        plain.image.fill(Qt::white);
        return plain;
    };
    ruler->execute(RulerCommand::CopyRegionPicture);
    const QImage overWhite = clipboardImage();
    QCOMPARE(overPattern.size(), kGeometry.size());
    QCOMPARE(overWhite.size(), kGeometry.size());

    int drawnInFigure = 0;
    for (const QRect &box : figure) {
        for (int y = box.top(); y <= box.bottom(); ++y) {
            for (int x = box.left(); x <= box.right(); ++x) {
                if (overPattern.rect().contains(x, y) && overPattern.pixel(x, y) == overWhite.pixel(x, y) &&
                    overWhite.pixel(x, y) != qRgb(255, 255, 255))
                    ++drawnInFigure;
            }
        }
    }
    QVERIFY2(drawnInFigure > 100, qPrintable(QString::number(drawnInFigure)));
}

void TestRegionPictureCommands::keysAndMenuEntries_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("held");
    QTest::addColumn<bool>("copies");
    QTest::addColumn<bool>("asksForFile");
    QTest::newRow("Alt+Shift+O copies")
        << int(Qt::Key_O) << (Qt::AltModifier | Qt::ShiftModifier) << true << false;
    QTest::newRow("Ctrl+Shift+O copies")
        << int(Qt::Key_O) << (Qt::ControlModifier | Qt::ShiftModifier) << true << false;
    QTest::newRow("Alt+O saves") << int(Qt::Key_O) << Qt::KeyboardModifiers(Qt::AltModifier) << false << true;
    QTest::newRow("O alone does nothing") << int(Qt::Key_O) << Qt::KeyboardModifiers() << false << false;
}

void TestRegionPictureCommands::keysAndMenuEntries()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, held);
    QFETCH(bool, copies);
    QFETCH(bool, asksForFile);
    RulerWindow *ruler = plainRuler();
    QTest::keyClick(ruler, Qt::Key(key), held);
    QCOMPARE(!clipboardImage().isNull(), copies);
    QCOMPARE(m_suggested.size(), asksForFile ? 1 : 0);

    // The entries are in the "Tools" menu, with their keys shown.
    RulerMenu *menu = ruler->menu();
    QCOMPARE(menu->action(RulerCommand::CopyRegionPicture)->shortcut(),
             QKeySequence(QStringLiteral("Alt+Shift+O")));
    QCOMPARE(menu->action(RulerCommand::SaveRegionPicture)->shortcut(),
             QKeySequence(QStringLiteral("Alt+O")));
    QCOMPARE(RulerCommands::text(RulerCommand::CopyRegionPicture), QStringLiteral("Copy Picture of Region"));
    QCOMPARE(RulerCommands::text(RulerCommand::SaveRegionPicture), QStringLiteral("Save Picture of Region…"));
}

void TestRegionPictureCommands::noPictureCopiesAndSavesNothing_data()
{
    QTest::addColumn<RulerCommand>("command");
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QString>("said");
    QTest::newRow("copy, refused") << RulerCommand::CopyRegionPicture
                                   << QStringLiteral("The desktop refused to take a picture.")
                                   << QStringLiteral("The desktop refused to take a picture.");
    QTest::newRow("copy, no reason given") << RulerCommand::CopyRegionPicture << QString()
                                           << QStringLiteral("No picture of the screen could be had.");
    QTest::newRow("save, timed out") << RulerCommand::SaveRegionPicture
                                     << QStringLiteral("The desktop did not answer in time.")
                                     << QStringLiteral("The desktop did not answer in time.");
}

void TestRegionPictureCommands::noPictureCopiesAndSavesNothing()
{
    QFETCH(RulerCommand, command);
    QFETCH(QString, failure);
    QFETCH(QString, said);
    QTemporaryDir folder;
    m_answer = folder.filePath(QStringLiteral("region.png"));
    m_fixture.desktop->picture = [failure] {
        ScreenPicture none;
        none.failure = failure;
        return none;
    };
    RulerWindow *ruler = plainRuler();
    ruler->execute(command);

    QCOMPARE(m_messages.size(), 1);
    const bool copy = command == RulerCommand::CopyRegionPicture;
    QVERIFY2(m_messages.first().startsWith(copy ? QStringLiteral("Nothing was copied")
                                                : QStringLiteral("Nothing was saved")),
             qPrintable(m_messages.first()));
    QVERIFY2(m_messages.first().endsWith(said), qPrintable(m_messages.first()));
    QVERIFY(clipboardImage().isNull());
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
    QVERIFY(m_suggested.isEmpty());
    QVERIFY(QDir(folder.path()).isEmpty());
}

void TestRegionPictureCommands::savesAPngOfTheScreensPixels()
{
    const QRect area(0, 0, 800, 600);
    const ScreenPicture screen = patternedDesktop(area, 2);
    m_fixture.desktop->picture = [screen] { return screen; };
    QTemporaryDir folder;
    // Named without an ending: the file is a PNG and says so.
    m_answer = folder.filePath(QStringLiteral("measured"));
    RulerWindow *ruler = plainRuler();
    ruler->execute(RulerCommand::SaveRegionPicture);
    QVERIFY(m_messages.isEmpty());

    const QString path = folder.filePath(QStringLiteral("measured.png"));
    QImageReader reader(path);
    QCOMPARE(reader.format(), QByteArray("png"));
    const QImage saved = reader.read();
    QCOMPARE(saved.size(), kGeometry.size() * 2);
    const QPoint body = kBody * 2;
    QCOMPARE(saved.pixelColor(body), screen.image.pixelColor(kGeometry.topLeft() * 2 + body));
    QCOMPARE(saved.pixelColor(kTick * 2), kRulerColor);
    QVERIFY(clipboardImage().isNull());
}

void TestRegionPictureCommands::remembersTheFolderSavedTo()
{
    m_fixture.desktop->picture = [] { return patternedDesktop(QRect(0, 0, 800, 600), 1); };
    QTemporaryDir folder;
    m_answer = folder.filePath(QStringLiteral("first.png"));
    RulerWindow *ruler = plainRuler();
    ruler->execute(RulerCommand::SaveRegionPicture);
    m_answer = folder.filePath(QStringLiteral("second.png"));
    ruler->execute(RulerCommand::SaveRegionPicture);

    QCOMPARE(m_suggested.size(), 2);
    // The first suggestion lies in the user's own folders; the next one where the last picture went,
    // with a fresh PNG name.
    QVERIFY2(m_suggested[0].startsWith(QDir::homePath()), qPrintable(m_suggested[0]));
    QCOMPARE(QFileInfo(m_suggested[1]).absolutePath(), QFileInfo(m_answer).absolutePath());
    QCOMPARE(QFileInfo(m_suggested[1]).suffix(), QStringLiteral("png"));
    QVERIFY(QFileInfo::exists(folder.filePath(QStringLiteral("first.png"))));
    QVERIFY(QFileInfo::exists(folder.filePath(QStringLiteral("second.png"))));

    // The folder is gone: the next suggestion starts from the user's own folders again.
    QVERIFY(folder.remove());
    m_answer.clear();
    ruler->execute(RulerCommand::SaveRegionPicture);
    QCOMPARE(m_suggested.size(), 3);
    QCOMPARE(QFileInfo(m_suggested[2]).absolutePath(), QFileInfo(m_suggested[0]).absolutePath());
}

void TestRegionPictureCommands::cancelledOrFailedSaveLeavesNoFile()
{
    m_fixture.desktop->picture = [] { return patternedDesktop(QRect(0, 0, 800, 600), 1); };
    QTemporaryDir folder;
    RulerWindow *ruler = plainRuler();
    // Cancelled: nothing is said, nothing written.
    m_answer.clear();
    ruler->execute(RulerCommand::SaveRegionPicture);
    QVERIFY(m_messages.isEmpty());
    QVERIFY(QDir(folder.path()).isEmpty());
    // A folder that is not there: the user hears of it, and no file is left behind.
    m_answer = folder.filePath(QStringLiteral("missing/region.png"));
    ruler->execute(RulerCommand::SaveRegionPicture);
    QCOMPARE(m_messages.size(), 1);
    QVERIFY2(m_messages.first().startsWith(QStringLiteral("Cannot save ")), qPrintable(m_messages.first()));
    QVERIFY(QDir(folder.path()).isEmpty());
}

GRADORA_TEST_MAIN(TestRegionPictureCommands)
#include "tst_regionpicturecommands.moc"
