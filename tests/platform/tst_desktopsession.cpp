// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// Which desktop the program talks to, and whether the window system puts windows where they ask.
#include "platform/desktopfactory.h"
#include "platform/placementcheck.h"
#include "testsupport.h"

#include <QTest>

using Verdict = PlacementCheck::Verdict;
Q_DECLARE_METATYPE(SessionKind)
Q_DECLARE_METATYPE(Verdict)
Q_DECLARE_METATYPE(DesktopFactory::Environment)

class TestDesktopSession : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void sessionKind_data();
    void sessionKind();
    void placement_data();
    void placement();
};

void TestDesktopSession::sessionKind_data()
{
    using Environment = DesktopFactory::Environment;
    QTest::addColumn<QString>("platform");
    QTest::addColumn<Environment>("environment");
    QTest::addColumn<SessionKind>("expected");
    QTest::newRow("X alone") << "xcb" << Environment{{"DISPLAY", ":0"}} << SessionKind::X11;
    QTest::newRow("X in an X session")
        << "xcb" << Environment{{"XDG_SESSION_TYPE", "x11"}} << SessionKind::X11;
    QTest::newRow("X beside a Wayland display")
        << "xcb" << Environment{{"WAYLAND_DISPLAY", "wayland-1"}} << SessionKind::XWayland;
    QTest::newRow("X in a Wayland session")
        << "xcb" << Environment{{"XDG_SESSION_TYPE", "wayland"}} << SessionKind::XWayland;
    QTest::newRow("an empty Wayland display is none")
        << "xcb" << Environment{{"WAYLAND_DISPLAY", ""}} << SessionKind::X11;
    QTest::newRow("native Wayland") << "wayland" << Environment{{"WAYLAND_DISPLAY", "wayland-1"}}
                                    << SessionKind::Wayland;
    QTest::newRow("native Wayland with EGL") << "wayland-egl" << Environment{} << SessionKind::Wayland;
    QTest::newRow("offscreen") << "offscreen" << Environment{{"WAYLAND_DISPLAY", "wayland-1"}}
                               << SessionKind::Other;
    QTest::newRow("minimal") << "minimal" << Environment{} << SessionKind::Other;
}

void TestDesktopSession::sessionKind()
{
    QFETCH(QString, platform);
    QFETCH(DesktopFactory::Environment, environment);
    QTEST(DesktopFactory::sessionKind(platform, environment), "expected");
}

void TestDesktopSession::placement_data()
{
    QTest::addColumn<QRect>("asked");
    QTest::addColumn<QRect>("reported");
    QTest::addColumn<Verdict>("expected");
    const QRect asked(100, 100, 640, 480);
    QTest::newRow("where it asked") << asked << asked << Verdict::PlacedAsAsked;
    QTest::newRow("resized where it asked") << asked << QRect(100, 100, 700, 500) << Verdict::PlacedAsAsked;
    QTest::newRow("centred by the compositor")
        << asked << QRect(640, 300, 640, 480) << Verdict::PlacedElsewhere;
    QTest::newRow("one pixel off") << asked << QRect(101, 100, 640, 480) << Verdict::PlacedElsewhere;
    QTest::newRow("asked partly off the screen, pushed back")
        << QRect(-50, 100, 640, 480) << QRect(0, 100, 640, 480) << Verdict::Unknown;
    QTest::newRow("asked over the panel, pushed below it")
        << QRect(100, 0, 640, 480) << QRect(100, 30, 640, 480) << Verdict::Unknown;
    QTest::newRow("wholly on the second screen, moved")
        << QRect(2000, 100, 640, 480) << QRect(2200, 300, 640, 480) << Verdict::PlacedElsewhere;
    QTest::newRow("across two screens, moved")
        << QRect(1700, 100, 640, 480) << QRect(1920, 100, 640, 480) << Verdict::Unknown;
    QTest::newRow("nothing reported yet") << asked << QRect() << Verdict::Unknown;
}

void TestDesktopSession::placement()
{
    QFETCH(QRect, asked);
    QFETCH(QRect, reported);
    // Two screens side by side; the first has a panel 30 pixels high along its top.
    const QList<QRect> freeAreas{QRect(0, 30, 1920, 1050), QRect(1920, 0, 1280, 1024)};
    QTEST(PlacementCheck::verdict(asked, reported, freeAreas), "expected");
}

GRADORA_TEST_GUILESS_MAIN(TestDesktopSession)
#include "tst_desktopsession.moc"
