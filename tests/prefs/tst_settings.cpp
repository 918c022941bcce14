// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "prefs/magnifier.h"
#include "ruler/infopanel.h"
#include "prefs/settings.h"
#include "testsupport.h"
#include "ui_settings.h"

#include <QColorDialog>
#include <QFile>
#include <QImage>
#include <QNetworkAccessManager>
#include <QTest>
#include <memory>

// The shared preferences object: its program keys, keyboard steps and tray clicks.
class TestSettings : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { TestSupport::clearStore(); }

    void firstStart();
    void programPicturesAreThere_data();
    void programPicturesAreThere();
    void formTexts();
    void storedSteps_data();
    void storedSteps();
    void finishedEditStoresAtOnce();
    void loadDefaultsKeepsMembersUntilNextEdit();
    void programKeysDefaults();
    void programKeysRoundTrip();
    void programKeysWithGarbage_data();
    void programKeysWithGarbage();
    void colourRotation();
    void trayLeftClicksHideAndRestore();
    void trayRightClickRestores();
    void trayRestoreSkipsDeletedWindows();
};

void TestSettings::firstStart()
{
    Settings settings;
    QCOMPARE(settings.ui->spinBox->value(), 1);
    QCOMPARE(settings.ui->spinBox_2->value(), 100);
    QCOMPARE(settings.ui->spinBox_3->value(), 1);
    QCOMPARE(settings.ui->spinBox_4->value(), 10);
    QCOMPARE(settings.move_normal, 1);
    QCOMPARE(settings.move_more, 100);
    QCOMPARE(settings.resize_normal, 1);
    QCOMPARE(settings.resize_more, 10);
    const QSettings store;
    QCOMPARE(store.value("Program Version").toString(), QStringLiteral("6.0"));
    for (const char *key : {"move_normal", "move_more", "resize_normal", "resize_more"})
        QVERIFY2(!store.contains(QLatin1String(key)), key);
    QVERIFY(!settings.ui->checkBox->isChecked());
    QVERIFY(settings.ui->checkBox_2->isChecked());
}

void TestSettings::programPicturesAreThere_data()
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

void TestSettings::programPicturesAreThere()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    Settings settings;
    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
    if (size.isValid())
        QCOMPARE(QImage(path).size(), size);
    else
        QCOMPARE(file.size(), 1150);
    QVERIFY(!settings.trayIcon->icon().isNull());
    // Only a build with the update check has a way onto the network.
    QCOMPARE(settings.findChildren<QNetworkAccessManager *>().size(), GRADORA_UPDATE_CHECK ? 1 : 0);
}

void TestSettings::formTexts()
{
    Settings settings;
    QCOMPARE(settings.windowTitle(), QStringLiteral("Preferences"));
    QCOMPARE(settings.size(), QSize(587, 395));
    QVERIFY(settings.windowFlags() & Qt::WindowStaysOnTopHint);
#if GRADORA_UPDATE_CHECK
    const QStringList tabs{"Shortcuts", "Units", "Displays", "Pixel-Based Units", "Program"};
    const QStringList names{"tab", "tab_2", "tab_3", "tab_5", "tab_4"};
#else
    // The "Program" tab holds only the update check.
    const QStringList tabs{"Shortcuts", "Units", "Displays", "Pixel-Based Units"};
    const QStringList names{"tab", "tab_2", "tab_3", "tab_5"};
#endif
    QCOMPARE(settings.ui->tabWidget->count(), tabs.size());
    for (int i = 0; i < tabs.size(); ++i) {
        QCOMPARE(settings.ui->tabWidget->tabText(i), tabs.at(i));
        QCOMPARE(settings.ui->tabWidget->widget(i)->objectName(), names.at(i));
    }
    QCOMPARE(settings.ui->label_4->text(), QStringLiteral("Alt + Arrow Keys"));
    QCOMPARE(settings.ui->label_7->text(), QStringLiteral("Shift + Arrow Keys"));
    QCOMPARE(settings.ui->label_9->text(), QStringLiteral("Alt + Shift + Arrow Keys"));
    for (QSpinBox *box :
         {settings.ui->spinBox, settings.ui->spinBox_2, settings.ui->spinBox_3, settings.ui->spinBox_4}) {
        QCOMPARE(box->minimum(), 1);
        QCOMPARE(box->maximum(), 999);
    }
    QCOMPARE(settings.ui->checkBox->text(), QStringLiteral("Show the top-right menu button"));
    QCOMPARE(settings.ui->checkBox_2->text(), QStringLiteral("Automatic check for updates"));
    // A range reads as a range, an inch is 2.54 cm, and the update entry is where the user finds it.
    for (QLabel *note :
         {settings.ui->label_3, settings.ui->label_5, settings.ui->label_8, settings.ui->label_10})
        QCOMPARE(note->text(), QStringLiteral("px (1–999)"));
    QCOMPARE(
        settings.ui->label_12->text(),
        QStringLiteral("All unit conversions are calculated on \"Units per Inch\" basis. For example, one "
                       "Inch = 2.54 Centimeters. Click \"Displays\" tab to calibrate the actual Pixels per "
                       "Inch value."));
    QCOMPARE(
        settings.ui->label_19->text(),
        QStringLiteral("Uncheck this if you don't want Gradora to check for new versions at startup (you "
                       "can still use \"Check for Updates\" from the ruler's menu to check manually)"));
    QCOMPARE(settings.infoPanel->windowTitle(), QStringLiteral("Gradora — Information"));
    QVERIFY(settings.colorDialog->testOption(QColorDialog::ShowAlphaChannel));
    QVERIFY(settings.colorDialog->testOption(QColorDialog::NoButtons));
}

void TestSettings::storedSteps_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<int>("expected");
    QTest::newRow("typed 25") << QVariant("25") << 25;
    QTest::newRow("garbage gives the default") << QVariant("abc") << 1;
    QTest::newRow("above the range is clamped") << QVariant("5000") << 999;
    QTest::newRow("zero is clamped") << QVariant("0") << 1;
}

void TestSettings::storedSteps()
{
    QFETCH(QVariant, stored);
    QFETCH(int, expected);
    QSettings().setValue("move_normal", stored);
    Settings settings;
    QCOMPARE(settings.ui->spinBox->value(), expected);
    QCOMPARE(settings.move_normal, expected);
}

void TestSettings::finishedEditStoresAtOnce()
{
    Settings settings;
    settings.ui->spinBox->setValue(25);
    Q_EMIT settings.ui->spinBox->editingFinished();
    settings.ui->spinBox_4->setValue(42);
    Q_EMIT settings.ui->spinBox_4->editingFinished();
    QCOMPARE(settings.move_normal, 25);
    QCOMPARE(settings.resize_more, 42);
    QCOMPARE(QSettings().value("move_normal").toString(), QStringLiteral("25"));
    QCOMPARE(QSettings().value("resize_more").toString(), QStringLiteral("42"));

    Settings again;
    QCOMPARE(again.ui->spinBox->value(), 25);
    QCOMPARE(again.move_normal, 25);
}

void TestSettings::loadDefaultsKeepsMembersUntilNextEdit()
{
    Settings settings;
    settings.ui->spinBox->setValue(25);
    Q_EMIT settings.ui->spinBox->editingFinished();
    settings.ui->checkBox->click();
    QVERIFY(settings.showTopRightMenu);

    settings.ui->pushButton_2->click();
    QCOMPARE(settings.ui->spinBox->value(), 1);
    QCOMPARE(QSettings().value("move_normal").toString(), QStringLiteral("1"));
    QCOMPARE(QSettings().value("move_more").toString(), QStringLiteral("100"));
    QCOMPARE(QSettings().value("resize_more").toString(), QStringLiteral("10"));
    QVERIFY(!settings.showTopRightMenu);
    QVERIFY(!QSettings().value("showTopRightMenu").toBool());
    QCOMPARE(settings.move_normal, 25);
}

void TestSettings::programKeysDefaults()
{
    Settings settings;
    QCOMPARE(settings.magnifier->autoUpdate, false);
    QCOMPARE(settings.magnifier->gridSize, 1);
    QCOMPARE(settings.magnifier->gridActive, 1);
    QCOMPARE(settings.magnifier->zoom, 4);
    QCOMPARE(settings.magnifier->initialSize, QSize(250, 200));
    QCOMPARE(settings.magnifier->pos(), QPoint(0, 0));
    QCOMPARE(settings.infoPaneShown, true);
    QCOMPARE(settings.toolboxPosition, 2);
    QCOMPARE(settings.showTopRightMenu, false);
    QCOMPARE(settings.autoUpdatesEnabled, true);
    QCOMPARE(settings.lastInformed, QStringLiteral("6.0"));
}

void TestSettings::programKeysRoundTrip()
{
    {
        Settings settings;
        settings.magnifier->autoUpdate = true;
        settings.magnifier->gridSize = 3;
        settings.magnifier->gridActive = 0;
        settings.magnifier->zoom = 8;
        settings.magnifier->resize(320, 240);
        settings.magnifier->move(30, 40);
        settings.showTopRightMenu = true;
        settings.autoUpdatesEnabled = false;
        settings.infoPaneShown = false;
        settings.toolboxPosition = 1;
        settings.lastInformed = QStringLiteral("6.1");
        settings.colorDialog->move(70, 80);
        settings.saveProgramSettings();
    }
    const QSettings store;
    QCOMPARE(store.value("autoUpdate").toInt(), 1);
    QVERIFY(store.value("clrDlgPosSvd").toBool());
    QCOMPARE(store.value("clrX").toInt(), 70);
    QCOMPARE(store.value("clrY").toInt(), 80);

    Settings settings;
    QCOMPARE(settings.magnifier->autoUpdate, true);
    QCOMPARE(settings.magnifier->gridSize, 3);
    QCOMPARE(settings.magnifier->gridActive, 0);
    QCOMPARE(settings.magnifier->zoom, 8);
    QCOMPARE(settings.magnifier->initialSize, QSize(320, 240));
    QCOMPARE(settings.magnifier->pos(), QPoint(30, 40));
    QCOMPARE(settings.showTopRightMenu, true);
    QVERIFY(settings.ui->checkBox->isChecked());
    QCOMPARE(settings.autoUpdatesEnabled, false);
    QVERIFY(!settings.ui->checkBox_2->isChecked());
    QCOMPARE(settings.infoPaneShown, false);
    QCOMPARE(settings.toolboxPosition, 1);
    QCOMPARE(settings.lastInformed, QStringLiteral("6.1"));
    // Kept as the text the server sent, not as a single-precision number written through a double.
    QCOMPARE(store.value("lastInformed").toString(), QStringLiteral("6.1"));
}

void TestSettings::programKeysWithGarbage_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("expected");
    QTest::newRow("zoom") << "zoom" << QVariant("abc") << "zoom 4";
    QTest::newRow("grid size") << "gridSize" << QVariant("1.5") << "gridSize 1";
    QTest::newRow("grid active") << "gridActive" << QVariant("") << "gridActive 1";
    QTest::newRow("panel side") << "toolboxPosition" << QVariant("left") << "side 2";
    QTest::newRow("last informed") << "lastInformed" << QVariant("nan") << "informed 6.0";
    QTest::newRow("last informed, not a number") << "lastInformed" << QVariant("six") << "informed 6.0";
    QTest::newRow("initial size") << "initialSize" << QVariant("big") << "size 250x200";
    QTest::newRow("position") << "position" << QVariant("here") << "position 0,0";
    QTest::newRow("auto update as text") << "autoUpdate" << QVariant("1") << "autoUpdate 1";
}

void TestSettings::programKeysWithGarbage()
{
    QFETCH(QString, key);
    QFETCH(QVariant, stored);
    QFETCH(QString, expected);
    QSettings().setValue(key, stored);
    Settings settings;
    const Magnifier &m = *settings.magnifier;
    const QHash<QString, QString> seen{
        {"zoom", QStringLiteral("zoom %1").arg(m.zoom)},
        {"gridSize", QStringLiteral("gridSize %1").arg(m.gridSize)},
        {"gridActive", QStringLiteral("gridActive %1").arg(m.gridActive)},
        {"toolboxPosition", QStringLiteral("side %1").arg(settings.toolboxPosition)},
        {"lastInformed", QStringLiteral("informed %1").arg(settings.lastInformed)},
        {"initialSize", QStringLiteral("size %1x%2").arg(m.initialSize.width()).arg(m.initialSize.height())},
        {"position", QStringLiteral("position %1,%2").arg(m.pos().x()).arg(m.pos().y())},
        {"autoUpdate", QStringLiteral("autoUpdate %1").arg(int(m.autoUpdate))}};
    QCOMPARE(seen.value(key), expected);
}

void TestSettings::colourRotation()
{
    Settings settings;
    QList<int> handedOut;
    for (int i = 0; i < 9; ++i)
        handedOut << settings.takeNextColorIndex(7);
    QCOMPARE(handedOut, (QList<int>{0, 1, 2, 3, 4, 5, 6, 0, 1}));
}

void TestSettings::trayLeftClicksHideAndRestore()
{
    Settings settings;
    QWidget first;
    QWidget second;
    first.show();
    second.show();
    settings.trayClick(QSystemTrayIcon::Trigger);
    QVERIFY(!first.isVisible());
    QVERIFY(!second.isVisible());
    settings.trayClick(QSystemTrayIcon::DoubleClick);
    QVERIFY(!first.isVisible());
    settings.trayClick(QSystemTrayIcon::Trigger);
    QVERIFY(first.isVisible());
    QVERIFY(second.isVisible());
}

// A window closed and deleted while the tray hid it is not shown again, and nothing else breaks.
void TestSettings::trayRestoreSkipsDeletedWindows()
{
    Settings settings;
    auto *gone = new QWidget;
    QWidget kept;
    gone->show();
    kept.show();
    settings.trayClick(QSystemTrayIcon::Trigger);
    delete gone;
    settings.trayClick(QSystemTrayIcon::Trigger);
    QVERIFY(kept.isVisible());
}

void TestSettings::trayRightClickRestores()
{
    Settings settings;
    QWidget window;
    window.show();
    settings.trayClick(QSystemTrayIcon::Context);
    QVERIFY(window.isVisible());
    settings.trayClick(QSystemTrayIcon::Trigger);
    QVERIFY(!window.isVisible());
    settings.trayClick(QSystemTrayIcon::Context);
    QVERIFY(window.isVisible());
}

GRADORA_TEST_MAIN(TestSettings)
#include "tst_settings.moc"
