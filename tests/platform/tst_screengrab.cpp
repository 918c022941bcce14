// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// The program's windows stepping aside for a picture of the screen, and coming back as they were.
#include "platform/screengrab.h"
#include "testsupport.h"

#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <memory>

class TestScreenGrab : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void windowsStepAsideAndComeBack_data();
    void windowsStepAsideAndComeBack();
    void windowsComeBackWhenTheAskerIsGone();
};

namespace {
struct Windows
{
    Windows()
    {
        active.setGeometry(50, 50, 200, 100);
        auto *layout = new QVBoxLayout(&active);
        layout->addWidget(new QLineEdit(&active));
        layout->addWidget(edit);
        other.setGeometry(300, 50, 200, 100);
        other.setWindowOpacity(0.7);
        other.show();
        active.show();
        active.activateWindow();
        edit->setFocus();
    }
    QWidget active;
    QLineEdit *edit = new QLineEdit(&active);
    QWidget other;
    QWidget hidden;
};
} // namespace

void TestScreenGrab::windowsStepAsideAndComeBack_data()
{
    QTest::addColumn<bool>("composited");
    QTest::newRow("with a compositor they turn transparent") << true;
    QTest::newRow("without one they hide") << false;
}

void TestScreenGrab::windowsStepAsideAndComeBack()
{
    QFETCH(bool, composited);
    Windows windows;
    QVERIFY(QTest::qWaitForWindowActive(&windows.active));
    QCOMPARE(QApplication::focusWidget(), windows.edit);
    const qreal otherOpacity = windows.other.windowOpacity();

    QObject asker;
    bool asideWhileTaken = false;
    std::optional<ScreenPicture> delivered;
    ScreenGrab::withoutOwnWindows(
        composited, &asker,
        [&](QObject *, const Desktop::PictureReady &taken) {
            asideWhileTaken = true;
            for (const QWidget *window : {&windows.active, &windows.other}) {
                asideWhileTaken &=
                    composited ? window->isVisible() && window->windowOpacity() == 0.0 : !window->isVisible();
            }
            asideWhileTaken &= !windows.hidden.isVisible();
            taken({QImage(4, 4, QImage::Format_RGB32), QRect(0, 0, 4, 4), {}});
        },
        [&](const ScreenPicture &picture) { delivered = picture; });
    // Nothing steps back before the picture.
    QVERIFY(!delivered);
    QTRY_VERIFY(delivered);
    QVERIFY(asideWhileTaken);
    QVERIFY(delivered->isValid());

    QVERIFY(windows.active.isVisible());
    QVERIFY(windows.other.isVisible());
    QVERIFY(!windows.hidden.isVisible());
    QCOMPARE(windows.active.windowOpacity(), 1.0);
    QCOMPARE(windows.other.windowOpacity(), otherOpacity);
    QTRY_COMPARE(QApplication::activeWindow(), &windows.active);
    QCOMPARE(QApplication::focusWidget(), windows.edit);
}

void TestScreenGrab::windowsComeBackWhenTheAskerIsGone()
{
    Windows windows;
    auto asker = std::make_unique<QObject>();
    bool taken = false;
    bool delivered = false;
    ScreenGrab::withoutOwnWindows(
        false, asker.get(),
        [&](QObject *, const Desktop::PictureReady &ready) {
            taken = true;
            ready({});
        },
        [&](const ScreenPicture &) { delivered = true; });
    asker.reset();
    QTRY_VERIFY(taken);
    QVERIFY(!delivered);
    QVERIFY(windows.active.isVisible());
    QVERIFY(windows.other.isVisible());
}

GRADORA_TEST_MAIN(TestScreenGrab)
#include "tst_screengrab.moc"
