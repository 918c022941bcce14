// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "platform/x11/x11desktop.h"
#include "prefs/displaycalibration.h"
#include "prefs/preferences.h"
#include "prefs/preferencesdialog.h"
#include "testsupport.h"

#include <QGuiApplication>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTest>

// The display calibration on a real X server whose monitor reports no size: Xvfb's output reads
// "0mm x 0mm" through RandR, while the toolkit still makes up a resolution for it.
class TestUnreadSize : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void screenWithoutSizeIsNoticed();
    void detectDisplaysSaysSo();
};

void TestUnreadSize::initTestCase()
{
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    QProcess xrandr;
    xrandr.start(QStringLiteral("xrandr"), {});
    QVERIFY(xrandr.waitForFinished(10000));
    QVERIFY2(xrandr.readAllStandardOutput().contains(" 0mm x 0mm"), "the X server reports a monitor size");
}

void TestUnreadSize::screenWithoutSizeIsNoticed()
{
    const X11Desktop desktop;
    const QList<DisplayCalibration::Screen> screens = DisplayCalibration::currentScreens(&desktop);
    QCOMPARE(screens.size(), 1);
    QCOMPARE(screens.first().sizeReported, false);
    QCOMPARE(QSize(screens.first().width, screens.first().height), QSize(1920, 1080));
    QVERIFY(screens.first().ppiX > 0);
}

void TestUnreadSize::detectDisplaysSaysSo()
{
    TestSupport::clearStore();
    const X11Desktop desktop;
    Preferences preferences(&desktop);
    PreferencesDialog dialog(&preferences);
    dialog.showPage(PreferencesPage::Displays);
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const auto *note = dialog.findChild<QLabel *>(QStringLiteral("unreadSizesNote"));
    QVERIFY(note);
    dialog.findChild<QPushButton *>(QStringLiteral("detectDisplaysButton"))->click();
    QVERIFY(note->isVisible());
    QVERIFY2(note->text().startsWith(QStringLiteral("Display 1 does not report its size")),
             qPrintable(note->text()));
    // The calculator starts from the pixels the program knows.
    QCOMPARE(dialog.findChild<QSpinBox *>(QStringLiteral("widthBox"))->value(), 1920);
    QCOMPARE(dialog.findChild<QSpinBox *>(QStringLiteral("heightBox"))->value(), 1080);
    // The note stays inside the dialog, whole.
    QVERIFY(dialog.rect().contains(QRect(note->mapTo(&dialog, QPoint()), note->size())));
    QVERIFY(note->height() >= note->heightForWidth(note->width()));
    dialog.hide();
}

GRADORA_TEST_MAIN(TestUnreadSize)
#include "tst_unreadsize.moc"
