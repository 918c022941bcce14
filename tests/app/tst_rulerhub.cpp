// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "app/aboutdialog.h"
#include "app/magnifier.h"
#include "app/programpicture.h"
#include "app/rulerhub.h"
#include "prefs/preferencesdialog.h"
#include "prefs/programsettings.h"
#include "ruler/commands/rulermenu.h"
#include "ruler/dialogs/positiondialog.h"
#include "ruler/dialogs/transparencydialog.h"
#include "ruler/panel/infopanel.h"
#include "ruler/placement/geometryrule.h"
#include "ruler/window/rulerwindow.h"
#include "testsupport.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

// The program around the rulers: its pictures, the keys it writes for the shared windows, the tray
// icon's clicks, the answers to what a ruler asks for and the commands from a second start.
class TestRulerHub : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { TestSupport::clearStore(); }

    void programPicturesAreThere_data();
    void programPicturesAreThere();
    void programPictureIsReadAtEachSize_data();
    void programPictureIsReadAtEachSize();
    void sharedWindows();
    void windowsNotNeededAtStartAreMadeWhenWanted();
    void programKeysDefaults();
    void programKeysRoundTrip();
    void programKeysWithGarbage_data();
    void programKeysWithGarbage();
    void trayLeftClicksHideAndRestore();
    void trayRightClickRestores();
    void trayRestoreSkipsDeletedWindows();
    void rulerRequests();
    void newRulerFromOutside_data();
    void newRulerFromOutside();
    void toggleAndRaiseFromOutside();
    void theStartingCommandActsOnTheFirstRuler();
    void copyReadingsTakesTheActiveRuler();
    void quitFromOutsideSavesEveryRuler();
    void openedPicturesShowInNewRulers();
    void closingThePreferencesSavesTheProgramKeys();
    void failedSaveIsToldWhereTheUserIs();

private:
    static void click(RulerHub &hub, QSystemTrayIcon::ActivationReason reason)
    {
        emit hub.trayIcon()->activated(reason);
    }
};

void TestRulerHub::programPicturesAreThere_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    // Rendered from the SVG master when the program is built, in every size the icon theme installs.
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256, 512})
        QTest::newRow(qPrintable(QString::number(size)))
            << QStringLiteral(":/icons/%1.png").arg(size) << QSize(size, size);
    for (const char *cursor : {"transform-rotate-2", "edit-select", "colorize", "color-picker-white",
                               "color-picker-grey", "color-picker-black"})
        QTest::newRow(cursor) << QStringLiteral(":/icons/cursors/%1.ico").arg(QLatin1String(cursor))
                              << QSize();
}

void TestRulerHub::programPicturesAreThere()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    RulerHub hub;
    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
    if (size.isValid())
        QCOMPARE(QImage(path).size(), size);
    else
        QCOMPARE(file.size(), 1150);
    QVERIFY(!hub.trayIcon()->icon().isNull());
    // The network stack is loaded by the first update question, never by a start.
    QFile maps(QStringLiteral("/proc/self/maps"));
    QVERIFY(maps.open(QIODevice::ReadOnly));
    QVERIFY(!maps.readAll().contains("libQt6Network"));
}

void TestRulerHub::programPictureIsReadAtEachSize_data()
{
    QTest::addColumn<int>("size");
    for (const int size : {16, 64, 128, 512})
        QTest::newRow(qPrintable(QString::number(size))) << size;
}

// Read as PNG without Qt guessing the kind: the picture must still come out whole, not empty.
void TestRulerHub::programPictureIsReadAtEachSize()
{
    QFETCH(int, size);
    RulerHub hub; // names the compiled-in pictures
    const QImage picture = ProgramPicture::ofSize(size).toImage();
    QCOMPARE(picture.size(), QSize(size, size));
    QCOMPARE(picture, QImage(QStringLiteral(":/icons/%1.png").arg(size)).convertToFormat(picture.format()));
}

// The first ruler shows sooner without them.
void TestRulerHub::windowsNotNeededAtStartAreMadeWhenWanted()
{
    RulerHub hub;
    RulerWindow *ruler = hub.openFirstRuler();
    const auto count = [] {
        int made = 0;
        for (QWidget *widget : QApplication::topLevelWidgets())
            made += qobject_cast<PreferencesDialog *>(widget) || qobject_cast<AboutDialog *>(widget) ||
                    qobject_cast<Magnifier *>(widget) || qobject_cast<PositionDialog *>(widget) ||
                    qobject_cast<TransparencyDialog *>(widget) || qobject_cast<QColorDialog *>(widget);
        return made;
    };
    QCOMPARE(count(), 0);
    // Settings saved before the colour dialog ever opened keep its place as a new window's.
    hub.saveProgramSettings();
    QCOMPARE(QSettings().value(programKey(ProgramSetting::ColorDialogX)).toInt(), 0);
    QCOMPARE(QSettings().value(programKey(ProgramSetting::ColorDialogY)).toInt(), 0);
    QCOMPARE(count(), 1); // saving writes the magnifier's keys back mended
    ruler->menu()->action(RulerCommand::RulerColor)->trigger();
    QCOMPARE(count(), 2);
    QVERIFY(hub.colorDialog()->isVisible());
    QCOMPARE(hub.colorDialog()->currentColor(), ruler->state().color(ColorTarget::Ruler));
    hub.colorDialog()->hide();
    hub.magnifier()->hide();
    emit ruler->aboutRequested();
    emit ruler->magnifierRequested();
    emit ruler->preferencesRequested(PreferencesPage::Units);
    QCOMPARE(count(), 4);
    QVERIFY(hub.aboutDialog()->isVisible());
    QVERIFY(hub.magnifier()->isVisible());
    QVERIFY(hub.preferencesDialog()->isVisible());
    hub.preferencesDialog()->hide();
    hub.magnifier()->hide();
    emit ruler->preferencesRequested(PreferencesPage::Units);
    QCOMPARE(count(), 4);
    hub.preferencesDialog()->hide();
    QCOMPARE(hub.positionDialog(), hub.positionDialog());
    QCOMPARE(hub.transparencyDialog(), hub.transparencyDialog());
    QCOMPARE(count(), 6);
}

void TestRulerHub::sharedWindows()
{
    RulerHub hub;
    QCOMPARE(hub.infoPanel()->windowTitle(), QStringLiteral("Gradora — Information"));
    QVERIFY(hub.colorDialog()->testOption(QColorDialog::ShowAlphaChannel));
    QVERIFY(hub.colorDialog()->testOption(QColorDialog::NoButtons));
    QVERIFY(hub.magnifier()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(hub.preferencesDialog()->objectName(), QStringLiteral("Settings"));
    QVERIFY(hub.rulers().isEmpty());
}

void TestRulerHub::programKeysDefaults()
{
    RulerHub hub;
    const Magnifier::Values values = hub.magnifier()->values();
    QCOMPARE(values.autoUpdate, false);
    QCOMPARE(values.gridSize, 1);
    QCOMPARE(values.gridActive, 1);
    QCOMPARE(values.zoom, 4);
    QCOMPARE(hub.magnifier()->initialSize(), QSize(250, 200));
    QCOMPARE(hub.magnifier()->pos(), QPoint(0, 0));
}

void TestRulerHub::programKeysRoundTrip()
{
    {
        RulerHub hub;
        hub.magnifier()->restore({true, 3, 0, 8});
        hub.magnifier()->resize(320, 240);
        hub.magnifier()->move(30, 40);
        hub.preferences()->setValue(ProgramSetting::ShowTopRightMenu, true);
        hub.preferences()->setValue(ProgramSetting::PanelSide, PanelSide::Left);
        hub.colorDialog()->move(70, 80);
        hub.saveProgramSettings();
    }
    const QSettings store;
    QCOMPARE(store.value("autoUpdate").toInt(), 1);
    QVERIFY(store.value("clrDlgPosSvd").toBool());
    QCOMPARE(store.value("clrX").toInt(), 70);
    QCOMPARE(store.value("clrY").toInt(), 80);
    QVERIFY(store.value("showTopRightMenu").toBool());
    QCOMPARE(store.value("toolboxPosition").toInt(), 1);

    RulerHub hub;
    const Magnifier::Values values = hub.magnifier()->values();
    QCOMPARE(values.autoUpdate, true);
    QCOMPARE(values.gridSize, 3);
    QCOMPARE(values.gridActive, 0);
    QCOMPARE(values.zoom, 8);
    QCOMPARE(hub.magnifier()->initialSize(), QSize(320, 240));
    QCOMPARE(hub.magnifier()->pos(), QPoint(30, 40));
    QVERIFY(hub.preferences()->value<bool>(ProgramSetting::ShowTopRightMenu));
}

void TestRulerHub::programKeysWithGarbage_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("expected");
    QTest::newRow("zoom") << "zoom" << QVariant("abc") << "zoom 4";
    QTest::newRow("grid size") << "gridSize" << QVariant("1.5") << "gridSize 1";
    QTest::newRow("grid active") << "gridActive" << QVariant("") << "gridActive 1";
    QTest::newRow("initial size") << "initialSize" << QVariant("big") << "size 250x200";
    QTest::newRow("position") << "position" << QVariant("here") << "position 0,0";
    QTest::newRow("auto update as text") << "autoUpdate" << QVariant("1") << "autoUpdate 1";
}

void TestRulerHub::programKeysWithGarbage()
{
    QFETCH(QString, key);
    QFETCH(QVariant, stored);
    QFETCH(QString, expected);
    QSettings().setValue(key, stored);
    RulerHub hub;
    const Magnifier &m = *hub.magnifier();
    const Magnifier::Values values = m.values();
    const QHash<QString, QString> seen{
        {"zoom", QStringLiteral("zoom %1").arg(values.zoom)},
        {"gridSize", QStringLiteral("gridSize %1").arg(values.gridSize)},
        {"gridActive", QStringLiteral("gridActive %1").arg(values.gridActive)},
        {"initialSize",
         QStringLiteral("size %1x%2").arg(m.initialSize().width()).arg(m.initialSize().height())},
        {"position", QStringLiteral("position %1,%2").arg(m.pos().x()).arg(m.pos().y())},
        {"autoUpdate", QStringLiteral("autoUpdate %1").arg(int(values.autoUpdate))}};
    QCOMPARE(seen.value(key), expected);
}

void TestRulerHub::trayLeftClicksHideAndRestore()
{
    RulerHub hub;
    QWidget first;
    QWidget second;
    first.show();
    second.show();
    click(hub, QSystemTrayIcon::Trigger);
    QVERIFY(!first.isVisible());
    QVERIFY(!second.isVisible());
    click(hub, QSystemTrayIcon::DoubleClick);
    QVERIFY(!first.isVisible());
    click(hub, QSystemTrayIcon::Trigger);
    QVERIFY(first.isVisible());
    QVERIFY(second.isVisible());
}

// A window closed and deleted while the tray hid it is not shown again, and nothing else breaks.
void TestRulerHub::trayRestoreSkipsDeletedWindows()
{
    RulerHub hub;
    auto *gone = new QWidget;
    QWidget kept;
    gone->show();
    kept.show();
    click(hub, QSystemTrayIcon::Trigger);
    delete gone;
    click(hub, QSystemTrayIcon::Trigger);
    QVERIFY(kept.isVisible());
}

void TestRulerHub::trayRightClickRestores()
{
    RulerHub hub;
    QWidget window;
    window.show();
    click(hub, QSystemTrayIcon::Context);
    QVERIFY(window.isVisible());
    click(hub, QSystemTrayIcon::Trigger);
    QVERIFY(!window.isVisible());
    click(hub, QSystemTrayIcon::Context);
    QVERIFY(window.isVisible());
}

void TestRulerHub::newRulerFromOutside_data()
{
    QTest::addColumn<std::optional<QRect>>("geometry");
    QTest::addColumn<QRect>("placed");
    // The first ruler of an empty store stands at the top left.
    QTest::newRow("beside the last ruler") << std::optional<QRect>() << QRect(50, 50, 300, 200);
    QTest::newRow("at a place") << std::optional<QRect>(QRect(10, 20, 400, 50)) << QRect(10, 20, 400, 50);
    QTest::newRow("too small is fitted")
        << std::optional<QRect>(QRect(10, 20, 1, 1))
        << QRect(10, 20, GeometryRule::kMinimumSide, GeometryRule::kMinimumSide);
}

void TestRulerHub::newRulerFromOutside()
{
    QFETCH(std::optional<QRect>, geometry);
    QFETCH(QRect, placed);
    RulerHub hub;
    hub.openFirstRuler();
    hub.carryOut({InstanceCommand::Kind::NewRuler, geometry});
    QCOMPARE(hub.rulers().size(), 2);
    QVERIFY(hub.rulers().last()->isVisible());
    QCOMPARE(hub.rulers().last()->geometry(), placed);
}

// A toggle hides every window and shows them again, as the tray's left click; activating the program
// brings back what a toggle hid, and the next toggle hides again instead of doing nothing.
void TestRulerHub::toggleAndRaiseFromOutside()
{
    RulerHub hub;
    RulerWindow *ruler = hub.openFirstRuler();
    hub.carryOut({InstanceCommand::Kind::Toggle, {}});
    QVERIFY(!ruler->isVisible());
    hub.carryOut({InstanceCommand::Kind::Toggle, {}});
    QVERIFY(ruler->isVisible());
    hub.carryOut({InstanceCommand::Kind::Toggle, {}});
    hub.carryOut({InstanceCommand::Kind::Raise, {}});
    QVERIFY(ruler->isVisible());
    hub.carryOut({InstanceCommand::Kind::Toggle, {}});
    QVERIFY(!ruler->isVisible());
}

// Started for a toggle, the program shows its ruler; started for a new ruler at a place, its first
// ruler stands there and no second one opens.
void TestRulerHub::theStartingCommandActsOnTheFirstRuler()
{
    RulerHub hub;
    RulerWindow *ruler = hub.openFirstRuler();
    hub.finishStart({InstanceCommand::Kind::Toggle, {}});
    QVERIFY(ruler->isVisible());
    hub.finishStart({InstanceCommand::Kind::NewRuler, QRect(30, 40, 250, 60)});
    QCOMPARE(hub.rulers().size(), 1);
    QCOMPARE(ruler->geometry(), QRect(30, 40, 250, 60));
}

void TestRulerHub::copyReadingsTakesTheActiveRuler()
{
    RulerHub hub;
    RulerWindow *first = hub.openFirstRuler();
    hub.openRuler(QRect(10, 20, 123, 45));
    QApplication::clipboard()->clear();
    // No ruler is active: the one opened last.
    QApplication::setActiveWindow(nullptr);
    hub.carryOut({InstanceCommand::Kind::CopyReadings, {}});
    QVERIFY2(QApplication::clipboard()->text().startsWith(QStringLiteral("123 \u00D7 45 px")),
             qPrintable(QApplication::clipboard()->text()));
    QApplication::setActiveWindow(first);
    hub.carryOut({InstanceCommand::Kind::CopyReadings, {}});
    const QString size = QStringLiteral("%1 \u00D7 %2 px").arg(first->width()).arg(first->height());
    QVERIFY2(QApplication::clipboard()->text().startsWith(size),
             qPrintable(QApplication::clipboard()->text()));
}

void TestRulerHub::quitFromOutsideSavesEveryRuler()
{
    RulerHub hub;
    hub.openFirstRuler();
    hub.openRuler(QRect(10, 20, 123, 45));
    hub.carryOut({InstanceCommand::Kind::Quit, {}});
    QSettings store;
    QVERIFY(store.contains(QStringLiteral("geometry")));
}

void TestRulerHub::openedPicturesShowInNewRulers()
{
    QTemporaryDir folder;
    const QString picture = folder.filePath(QStringLiteral("grid.png"));
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QVERIFY(image.save(picture));
    const QString text = folder.filePath(QStringLiteral("notes.png"));
    QFile notes(text);
    QVERIFY(notes.open(QIODevice::WriteOnly));
    notes.write("not a picture");
    notes.close();

    RulerHub hub;
    QStringList told;
    hub.setMessageHandler([&told](const QString &message) { told << message; });
    hub.openFirstRuler();
    hub.openPictures({picture, text, folder.filePath(QStringLiteral("missing.png"))});
    // One new ruler for the picture; the others are told of and leave no empty ruler.
    QCOMPARE(hub.rulers().size(), 2);
    QCOMPARE(hub.rulers().last()->state().pictureFile(), picture);
    QCOMPARE(hub.rulers().last()->state().picture().size(), QSize(40, 30));
    QCOMPARE(told.size(), 2);
    QVERIFY2(told.first().contains(QDir::toNativeSeparators(text)), qPrintable(told.first()));
}

void TestRulerHub::rulerRequests()
{
    RulerHub hub;
    RulerWindow *first = hub.openFirstRuler();
    QCOMPARE(hub.rulers(), QList<RulerWindow *>{first});

    emit first->newRulerRequested();
    QCOMPARE(hub.rulers().size(), 2);
    RulerWindow *second = hub.rulers().last();
    QVERIFY(second->isVisible());
    QCOMPARE(second->pos(),
             first->pos() + QPoint(RulerWindow::kNewRulerOffset, RulerWindow::kNewRulerOffset));

    emit second->preferencesRequested(PreferencesPage::Units);
    QVERIFY(hub.preferencesDialog()->isVisible());
    hub.preferencesDialog()->hide();

    emit second->aboutRequested();
    QVERIFY(hub.aboutDialog()->isVisible());
    emit first->pressedByPointer();
    QVERIFY(!hub.aboutDialog()->isVisible());

    emit first->magnifierRequested();
    QVERIFY(hub.magnifier()->isVisible());
    hub.magnifier()->hide();
}

void TestRulerHub::closingThePreferencesSavesTheProgramKeys()
{
    RulerHub hub;
    hub.preferences()->setValue(ProgramSetting::ShowInfoPanel, false);
    hub.magnifier()->setZoom(6);
    hub.showPreferences(PreferencesPage::Shortcuts);
    QVERIFY(hub.preferencesDialog()->close());
    QVERIFY(!QSettings().value("canShowToolbox").toBool());
    QCOMPARE(QSettings().value("zoom").toInt(), 6);
}

// Standard error hears of every failed save; the user is told when closing the preferences, once
// until a save succeeds, and not when every ruler is saved for the end of the session.
void TestRulerHub::failedSaveIsToldWhereTheUserIs()
{
    const QString path = QSettings().fileName();
    QFile::remove(path);
    QVERIFY(QDir().mkpath(path)); // a folder where the file belongs: no save can succeed
    QStringList messages;
    {
        RulerHub hub;
        hub.setMessageHandler([&messages](const QString &text) { messages.append(text); });
        hub.openFirstRuler();
        hub.saveEverything();
        QCOMPARE(messages.size(), 0);
        for (int time = 0; time < 2; ++time) {
            hub.showPreferences(PreferencesPage::Shortcuts);
            QVERIFY(hub.preferencesDialog()->close());
        }
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages.first(),
                 RulerHub::failedSaveText(path, QStringLiteral("a folder stands in its place")));
        QVERIFY(messages.first().contains(path));
        hub.saveEverything();
    }
    QCOMPARE(messages.size(), 1);
    QVERIFY(QDir().rmdir(path));
}

GRADORA_TEST_MAIN(TestRulerHub)
#include "tst_rulerhub.moc"
