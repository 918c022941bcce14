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
    void windowsStepAsideThroughTheCompositor_data();
    void windowsStepAsideThroughTheCompositor();
    void overlappingPicturesShareTheSteppingAside_data();
    void overlappingPicturesShareTheSteppingAside();
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

void TestScreenGrab::windowsStepAsideThroughTheCompositor_data()
{
    QTest::addColumn<bool>("otherRefused"); // the compositor refuses to change the other window
    QTest::addColumn<bool>("pictureHad");
    QTest::newRow("the compositor takes every window") << false << true;
    QTest::newRow("no picture: the windows come back all the same") << false << false;
    QTest::newRow("a refused window turns transparent itself") << true << true;
}

// Where the compositor ignores a window's own opacity it is asked to draw the windows transparent, and
// opaque again after the picture, whether there is one or not; a window it refuses steps aside by itself.
void TestScreenGrab::windowsStepAsideThroughTheCompositor()
{
    QFETCH(bool, otherRefused);
    QFETCH(bool, pictureHad);
    Windows windows;
    QVERIFY(QTest::qWaitForWindowExposed(&windows.other));
    const WId active = windows.active.winId();
    const WId other = windows.other.winId();
    const qreal otherOpacity = windows.other.windowOpacity();
    QList<QPair<WId, qreal>> asked;
    const auto compositorOpacity = [&](WId window, qreal opacity) {
        asked.append({window, opacity});
        return !(otherRefused && window == other);
    };
    QList<QPair<WId, qreal>> askedBeforeThePicture;
    qreal otherOpacityWhileTaken = -1;
    std::optional<ScreenPicture> delivered;
    QObject asker;
    ScreenGrab::withoutOwnWindows(
        true, &asker,
        [&](QObject *, const Desktop::PictureReady &taken) {
            askedBeforeThePicture = asked;
            otherOpacityWhileTaken = windows.other.windowOpacity();
            QCOMPARE(windows.active.windowOpacity(), 1.0);
            taken(pictureHad ? ScreenPicture{QImage(4, 4, QImage::Format_RGB32), QRect(0, 0, 4, 4), {}}
                             : ScreenPicture{QImage(), QRect(), QStringLiteral("refused")});
        },
        [&](const ScreenPicture &picture) { delivered = picture; }, compositorOpacity);
    QTRY_VERIFY(delivered);
    QCOMPARE(delivered->isValid(), pictureHad);

    QVERIFY(askedBeforeThePicture.contains(qMakePair(active, 0.0)));
    QVERIFY(askedBeforeThePicture.contains(qMakePair(other, 0.0)));
    QCOMPARE(askedBeforeThePicture.size(), 2);
    QCOMPARE(otherOpacityWhileTaken, otherRefused ? 0.0 : otherOpacity);
    // Back: fully opaque through the compositor, or the window's own opacity where it refused.
    QVERIFY(asked.contains(qMakePair(active, 1.0)));
    QCOMPARE(asked.contains(qMakePair(other, 1.0)), !otherRefused);
    QCOMPARE(asked.size(), otherRefused ? 3 : 4);
    QCOMPARE(windows.other.windowOpacity(), otherOpacity);
    QCOMPARE(windows.active.windowOpacity(), 1.0);
    QVERIFY(windows.active.isVisible());
    QVERIFY(windows.other.isVisible());
}

void TestScreenGrab::overlappingPicturesShareTheSteppingAside_data()
{
    QTest::addColumn<bool>("composited");
    QTest::addColumn<bool>("throughCompositor");
    QTest::newRow("hidden") << false << false;
    QTest::newRow("transparent by themselves") << true << false;
    QTest::newRow("transparent through the compositor") << true << true;
}

// A second picture asked for while the windows are aside for the first (two rulers' region pictures
// in quick succession) keeps them aside until it is taken too, and never takes them for the windows
// as they were: they come back as they stood before the first.
void TestScreenGrab::overlappingPicturesShareTheSteppingAside()
{
    QFETCH(bool, composited);
    QFETCH(bool, throughCompositor);
    Windows windows;
    QVERIFY(QTest::qWaitForWindowExposed(&windows.other));
    const WId other = windows.other.winId();
    const qreal otherOpacity = windows.other.windowOpacity();
    QList<qreal> askedForOther;
    ScreenGrab::CompositorOpacity compositorOpacity;
    if (throughCompositor) {
        compositorOpacity = [&](WId window, qreal opacity) {
            if (window == other)
                askedForOther.append(opacity);
            return true;
        };
    }
    const auto otherIsAside = [&] {
        if (!composited)
            return !windows.other.isVisible();
        return throughCompositor ? askedForOther.value(askedForOther.size() - 1, 1.0) == 0.0
                                 : windows.other.windowOpacity() == 0.0;
    };
    QList<Desktop::PictureReady> pending;
    const ScreenGrab::Taker holdBack = [&](QObject *, const Desktop::PictureReady &taken) {
        pending.append(taken);
    };
    int delivered = 0;
    QObject asker;
    for (int picture = 1; picture <= 2; ++picture) {
        ScreenGrab::withoutOwnWindows(
            composited, &asker, holdBack, [&](const ScreenPicture &) { ++delivered; }, compositorOpacity);
        QTRY_COMPARE(pending.size(), picture);
        QVERIFY(otherIsAside());
    }
    pending.at(0)({});
    QCOMPARE(delivered, 1);
    QVERIFY(otherIsAside());
    pending.at(1)({});
    QCOMPARE(delivered, 2);
    QVERIFY(!otherIsAside());
    QVERIFY(windows.other.isVisible());
    QCOMPARE(windows.other.windowOpacity(), otherOpacity);
    if (throughCompositor)
        QCOMPARE(askedForOther, QList<qreal>({0.0, 1.0}));
}

GRADORA_TEST_MAIN(TestScreenGrab)
#include "tst_screengrab.moc"
