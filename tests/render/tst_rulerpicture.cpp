// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "paint/rulerpainter.h"
#include "ruler/commands/rulermenu.h"
#include "ruler/window/rulerwindow.h"
#include "rulerfixture.h"
#include "testsupport.h"

#include <QAction>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QColor kPictureColor(200, 30, 40);
const QLatin1StringView kPictureFolderKey{"path"};

struct FileDialogCall
{
    QString caption;
    QString folder;
};

struct Message
{
    QString title;
    QString text;
};

// The state of the six picture entries: enabled, checked, visible.
QString entries(const RulerWindow &ruler)
{
    QString state;
    for (const QAction *action :
         {ruler.menu()->action(RulerCommand::StretchPicture),
          ruler.menu()->action(RulerCommand::ProportionalPicture),
          ruler.menu()->action(RulerCommand::ActualSize), ruler.menu()->action(RulerCommand::ClearPicture),
          ruler.menu()->action(RulerCommand::RulerToPictureSize),
          ruler.menu()->action(RulerCommand::TransparentPicture)}) {
        state += action->isEnabled() ? QLatin1Char('E') : QLatin1Char('-');
        state += action->isChecked() ? QLatin1Char('C') : QLatin1Char('-');
        state += action->isVisible() ? QLatin1Char('V') : QLatin1Char('-');
        state += QLatin1Char(' ');
    }
    return state.trimmed();
}
} // namespace

class TestRulerPicture : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void openImage_data();
    void openImage();
    void startFolderFollowsTheLastPicture();
    void failedOpenReplacesThePicture();
    void openingKeepsTheChoices();
    void choices_data();
    void choices();
    void rulerToImageSize();
    void rulerToImageSizeLeavesFullScreen();
    void rulerToImageSizeWithoutPicture();
    void restoreFirstRuler_data();
    void restoreFirstRuler();
    void drawing_data();
    void drawing();
    void transparentPictureTakesTheBodyAlpha();

private:
    QString writePicture(const QString &name, QSize size);
    void choose(const QString &path);
    QImage paint(const RulerWindow &ruler, const QColor &body = Qt::transparent);

    QTemporaryDir m_folder;
    QString m_picture; // 40 × 30
    QString m_garbage;
    QList<FileDialogCall> m_dialogs;
    QList<Message> m_messages;
    QString m_answer;
};

QString TestRulerPicture::writePicture(const QString &name, QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(kPictureColor);
    const QString path = m_folder.filePath(name);
    picture.save(path);
    return path;
}

void TestRulerPicture::initTestCase()
{
    QVERIFY(m_folder.isValid());
    QDir(m_folder.path()).mkpath("pictures");
    m_picture = writePicture("pictures/small.png", QSize(40, 30));
    m_garbage = m_folder.filePath("garbage.png");
    QFile garbage(m_garbage);
    QVERIFY(garbage.open(QIODevice::WriteOnly));
    garbage.write("not a picture");

    RulerWindow::askPictureFile = [this](QWidget *, const QString &caption, const QString &folder) {
        m_dialogs.append({caption, folder});
        return m_answer;
    };
    RulerWindow::reportPictureFailure = [this](QWidget *, const QString &title, const QString &text) {
        m_messages.append({title, text});
    };
}

void TestRulerPicture::init()
{
    TestSupport::clearStore();
    m_dialogs.clear();
    m_messages.clear();
    m_answer.clear();
}

void TestRulerPicture::choose(const QString &path)
{
    m_answer = path;
}

QImage TestRulerPicture::paint(const RulerWindow &ruler, const QColor &body)
{
    QImage canvas(ruler.size(), QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    painter.fillRect(canvas.rect(), body);
    RulerPaintState state;
    state.size = ruler.size();
    state.picture = ruler.state().picture();
    state.options = ruler.state().options();
    RulerPainter::drawPicture(painter, state);
    painter.end();
    return canvas.convertToFormat(QImage::Format_ARGB32);
}

void TestRulerPicture::openImage_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<int>("messages");

    QTest::newRow("cancelled") << QString() << false << 0;
    QTest::newRow("a picture") << QStringLiteral("picture") << true << 0;
    QTest::newRow("not a picture") << QStringLiteral("garbage") << false << 1;
    QTest::newRow("missing file") << QStringLiteral("missing") << false << 1;
}

void TestRulerPicture::openImage()
{
    QFETCH(QString, chosen);
    QFETCH(bool, loaded);
    QFETCH(int, messages);
    const QString path = chosen == "picture"   ? m_picture
                         : chosen == "garbage" ? m_garbage
                         : chosen == "missing" ? m_folder.filePath("missing.png")
                                               : QString();
    choose(path);

    RulerWindow ruler;
    ruler.execute(RulerCommand::OpenPicture);

    QCOMPARE(m_dialogs.size(), 1);
    QCOMPARE(m_dialogs.first().caption, QStringLiteral("Open File"));
    QCOMPARE(ruler.state().picture().isNull(), !loaded);
    QCOMPARE(ruler.state().pictureFile(), loaded ? path : QString());
    QCOMPARE(entries(ruler),
             loaded ? QStringLiteral("E-V -C- ECV E-V E-V E-V") : QStringLiteral("--V -C- -CV --V --V --V"));
    QCOMPARE(m_messages.size(), messages);
    if (messages) {
        QCOMPARE(m_messages.first().title, QStringLiteral("Gradora"));
        QCOMPARE(m_messages.first().text, QStringLiteral("Cannot load %1.").arg(path));
    }
    const QSettings store;
    QCOMPARE(store.value(kPictureFolderKey), loaded ? QVariant(m_folder.filePath("pictures")) : QVariant());
}

void TestRulerPicture::startFolderFollowsTheLastPicture()
{
    RulerWindow ruler;
    choose(QString());
    ruler.execute(RulerCommand::OpenPicture);
    choose(m_picture);
    ruler.execute(RulerCommand::OpenPicture);
    choose(m_garbage);
    ruler.execute(RulerCommand::OpenPicture);
    ruler.execute(RulerCommand::OpenPicture);

    QCOMPARE(m_dialogs.size(), 4);
    QCOMPARE(m_dialogs.at(0).folder, QDir::homePath());
    QCOMPARE(m_dialogs.at(1).folder, QDir::homePath());
    QCOMPARE(m_dialogs.at(2).folder, m_folder.filePath("pictures"));
    // A file that did not load does not move the start folder.
    QCOMPARE(m_dialogs.at(3).folder, m_folder.filePath("pictures"));
}

void TestRulerPicture::failedOpenReplacesThePicture()
{
    RulerWindow ruler;
    choose(m_picture);
    ruler.execute(RulerCommand::OpenPicture);
    const QString before = entries(ruler);
    choose(m_garbage);
    ruler.execute(RulerCommand::OpenPicture);

    QVERIFY(ruler.state().picture().isNull());
    QVERIFY(ruler.state().pictureFile().isEmpty());
    QCOMPARE(entries(ruler), before);
}

void TestRulerPicture::openingKeepsTheChoices()
{
    RulerWindow ruler;
    setOption(ruler, RulerOption::StretchPicture, true);
    setOption(ruler, RulerOption::ProportionalPicture, false);
    setOption(ruler, RulerOption::TransparentPicture, true);
    choose(m_picture);
    ruler.execute(RulerCommand::OpenPicture);

    QVERIFY(ruler.state().options().value(RulerOption::StretchPicture));
    QVERIFY(!ruler.state().options().value(RulerOption::ProportionalPicture));
    QVERIFY(ruler.state().options().value(RulerOption::TransparentPicture));
    QCOMPARE(entries(ruler), QStringLiteral("ECV E-V E-V E-V E-V ECV"));
}

void TestRulerPicture::choices_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<bool>("stretch");
    QTest::addColumn<bool>("proportional");
    QTest::addColumn<QString>("expected");

    QTest::newRow("stretch") << QStringList{"stretch"} << true << true << "ECV ECV E-V E-V E-V E-V";
    QTest::newRow("stretch, then actual size")
        << QStringList{"stretch", "actual"} << false << true << "E-V -C- ECV E-V E-V E-V";
    QTest::newRow("proportional while at actual size turns stretching on")
        << QStringList{"proportional"} << true << false << "ECV E-V E-V E-V E-V E-V";
    QTest::newRow("proportional twice")
        << QStringList{"proportional", "proportional"} << true << true << "ECV ECV E-V E-V E-V E-V";
    QTest::newRow("actual size keeps the proportional choice")
        << QStringList{"proportional", "actual", "stretch"} << true << false << "ECV E-V E-V E-V E-V E-V";
}

void TestRulerPicture::choices()
{
    QFETCH(QStringList, steps);
    QFETCH(bool, stretch);
    QFETCH(bool, proportional);
    QFETCH(QString, expected);

    RulerWindow ruler;
    choose(m_picture);
    ruler.execute(RulerCommand::OpenPicture);
    for (const QString &step : steps) {
        if (step == "stretch")
            ruler.execute(RulerCommand::StretchPicture);
        else if (step == "actual")
            ruler.execute(RulerCommand::ActualSize);
        else
            ruler.execute(RulerCommand::ProportionalPicture);
    }
    QCOMPARE(ruler.state().options().value(RulerOption::StretchPicture), stretch);
    QCOMPARE(ruler.state().options().value(RulerOption::ProportionalPicture), proportional);
    QCOMPARE(entries(ruler), expected);
}

void TestRulerPicture::rulerToImageSize()
{
    RulerWindow ruler;
    ruler.setGeometry(120, 80, 300, 200);
    choose(m_picture);
    ruler.execute(RulerCommand::OpenPicture);
    ruler.execute(RulerCommand::StretchPicture);
    ruler.execute(RulerCommand::RulerToPictureSize);
    QCOMPARE(ruler.geometry(), QRect(120, 80, 40, 30));
    QVERIFY(!ruler.state().options().value(RulerOption::StretchPicture));
    QVERIFY(ruler.menu()->action(RulerCommand::ActualSize)->isChecked());
}

void TestRulerPicture::rulerToImageSizeLeavesFullScreen()
{
    RulerWindow ruler;
    ruler.setGeometry(120, 80, 300, 200);
    ruler.show();
    QVERIFY(QTest::qWaitForWindowExposed(&ruler));
    choose(m_picture);
    ruler.execute(RulerCommand::OpenPicture);
    ruler.execute(RulerCommand::FullScreen);
    QVERIFY(ruler.state().fullScreen());

    ruler.execute(RulerCommand::RulerToPictureSize);
    QVERIFY(!ruler.state().fullScreen());
    QVERIFY(!ruler.menu()->action(RulerCommand::FullScreen)->isChecked());
    QCOMPARE(ruler.geometry(), QRect(120, 80, 40, 30));
}

void TestRulerPicture::rulerToImageSizeWithoutPicture()
{
    RulerWindow ruler;
    ruler.setGeometry(120, 80, 300, 200);
    choose(m_picture);
    ruler.execute(RulerCommand::OpenPicture);
    choose(m_garbage);
    ruler.execute(RulerCommand::OpenPicture); // leaves the entries enabled but no picture
    ruler.execute(RulerCommand::RulerToPictureSize);
    QCOMPARE(ruler.geometry(), QRect(120, 80, 300, 200));
}

void TestRulerPicture::restoreFirstRuler_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("stretch");
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<QString>("expected");

    QTest::newRow("picture at actual size") << "picture" << false << true << "E-V -C- ECV E-V E-V E-V";
    QTest::newRow("picture stretched") << "picture" << true << true << "ECV ECV E-V E-V E-V E-V";
    QTest::newRow("file gone") << "missing" << true << false << "-CV -C- -CV --V --V --V";
    QTest::newRow("not a picture") << "garbage" << false << false << "--V -C- -CV --V --V --V";
}

void TestRulerPicture::restoreFirstRuler()
{
    QFETCH(QString, stored);
    QFETCH(bool, stretch);
    QFETCH(bool, loaded);
    QFETCH(QString, expected);
    const QString path = stored == "picture"   ? m_picture
                         : stored == "garbage" ? m_garbage
                                               : m_folder.filePath("missing.png");
    {
        QSettings store;
        store.setValue(QStringLiteral("imageFile"), path);
        store.setValue(QStringLiteral("stretchImage"), stretch);
    }
    RulerWindow ruler;
    ruler.restoreStored(QString());
    QCOMPARE(ruler.state().picture().isNull(), !loaded);
    QCOMPARE(ruler.state().pictureFile(), loaded ? path : QString());
    QCOMPARE(entries(ruler), expected);
    QVERIFY(m_messages.isEmpty());
}

void TestRulerPicture::drawing_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<bool>("stretch");
    QTest::addColumn<bool>("proportional");
    QTest::addColumn<QSize>("drawn");

    QTest::newRow("actual size, clipped") << QSize(400, 100) << false << true << QSize(200, 100);
    QTest::newRow("actual size, small") << QSize(40, 30) << false << false << QSize(40, 30);
    QTest::newRow("stretched") << QSize(40, 30) << true << false << QSize(200, 200);
    QTest::newRow("proportional, wide") << QSize(400, 100) << true << true << QSize(200, 50);
    QTest::newRow("proportional, tall") << QSize(100, 400) << true << true << QSize(50, 200);
    QTest::newRow("proportional, the window's size") << QSize(200, 200) << true << true << QSize(200, 200);
}

// The painted area is found from the pixels: the picture's colour inside, untouched outside.
void TestRulerPicture::drawing()
{
    QFETCH(QSize, picture);
    QFETCH(bool, stretch);
    QFETCH(bool, proportional);
    QFETCH(QSize, drawn);

    RulerWindow ruler;
    ruler.resize(200, 200);
    choose(writePicture(QStringLiteral("drawn.png"), picture));
    ruler.execute(RulerCommand::OpenPicture);
    // "Proportional" stretches the picture; "Actual Size" after it keeps the choice.
    setOption(ruler, RulerOption::ProportionalPicture, proportional);
    setOption(ruler, RulerOption::StretchPicture, stretch);

    const QImage canvas = paint(ruler);
    QCOMPARE(canvas.pixelColor(0, 0), kPictureColor);
    QCOMPARE(canvas.pixelColor(drawn.width() - 1, drawn.height() - 1), kPictureColor);
    if (drawn.width() < canvas.width())
        QCOMPARE(canvas.pixelColor(drawn.width(), 0).alpha(), 0);
    if (drawn.height() < canvas.height())
        QCOMPARE(canvas.pixelColor(0, drawn.height()).alpha(), 0);
}

void TestRulerPicture::transparentPictureTakesTheBodyAlpha()
{
    RulerWindow ruler;
    ruler.resize(100, 100);
    choose(m_picture);
    ruler.execute(RulerCommand::OpenPicture);
    const QColor body(255, 255, 255, 25);

    QCOMPARE(paint(ruler, body).pixelColor(5, 5).alpha(), 255);
    ruler.execute(RulerCommand::TransparentPicture);
    const QImage canvas = paint(ruler, body);
    QVERIFY(qAbs(canvas.pixelColor(5, 5).alpha() - body.alpha()) <= 1);
    // Where there is no picture the body stays as painted.
    QCOMPARE(canvas.pixelColor(50, 50).alpha(), body.alpha());
}

GRADORA_TEST_MAIN(TestRulerPicture)
#include "tst_rulerpicture.moc"
