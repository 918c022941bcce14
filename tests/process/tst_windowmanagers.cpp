// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "processdriver.h"
#include "testsupport.h"

#include <QImage>
#include <QSettings>
#include <QTest>

#include <memory>

// The real program under real X input, on a bare X server and under a window manager (openbox), with
// no compositing manager, so that the ruler is shaped and its body lets the pointer through. Without a
// window manager nobody answers a request for full screen, keeps dialogs above the other windows or
// gives the focus: the program does what it needs of these itself.
class TestWindowManagers : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void fullScreenFillsTheScreen_data() { sessions(); }
    void fullScreenFillsTheScreen();
    void hoverSpacingsGoWhenThePointerLeaves_data() { sessions(); }
    void hoverSpacingsGoWhenThePointerLeaves();
    void dialogsStandAboveThePanel_data() { sessions(); }
    void dialogsStandAboveThePanel();
    void newRulerOpensInFront_data();
    void newRulerOpensInFront();

private:
    static void sessions();
};

namespace {

const QRect kStart(300, 300, 640, 480);
const QRect kScreen(0, 0, 1920, 1080);
const QColor kDesktop(0, 160, 0);
const QColor kPanelColor(255, 255, 156);

void xdotool(const QStringList &arguments)
{
    ProcessDriver::run(QStringLiteral("xdotool"), arguments);
    QTest::qWait(150);
}

void pointerTo(QPoint point)
{
    xdotool({"mousemove", QString::number(point.x()), QString::number(point.y())});
}

void clickAt(QPoint point, int button = 1)
{
    pointerTo(point);
    xdotool({"click", QString::number(button)});
}

QImage screen()
{
    QProcess import;
    import.start(QStringLiteral("import"),
                 {QStringLiteral("-window"), QStringLiteral("root"), QStringLiteral("png:-")});
    import.waitForFinished(20000);
    return QImage::fromData(import.readAllStandardOutput(), "PNG");
}

bool geometryBecomes(const QString &window, const QRect &expected, QRect *seen)
{
    return ProcessDriver::waitFor([&] { return (*seen = ProcessDriver::geometryOf(window)) == expected; },
                                  10000);
}

// The window manager of a test row: started for it, stopped after it. Without one the root window keeps
// no trace of the last, so that nothing mistakes the bare server for a managed one.
class WindowManager
{
public:
    explicit WindowManager(bool run)
    {
        if (!run)
            return;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), m_home.path());
        m_process.setProcessEnvironment(env);
        m_process.start(
            QStringLiteral("openbox"),
            {QStringLiteral("--config-file"), QStringLiteral(GRADORA_SOURCE_DIR "/tests/openbox-rc.xml")});
        m_running = m_process.waitForStarted() && ProcessDriver::waitFor([] {
                        return ProcessDriver::run(
                                   QStringLiteral("xprop"),
                                   {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")})
                            .contains(QLatin1String("window id"));
                    });
    }
    ~WindowManager()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.terminate();
        m_process.waitForFinished(5000);
        // A manager that was stopped may leave its lists on the root window; the next case runs without.
        for (const char *property : {"_NET_SUPPORTING_WM_CHECK", "_NET_CLIENT_LIST_STACKING", "_NET_CLIENT_LIST"})
            ProcessDriver::run(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("-remove"),
                                                         QString::fromLatin1(property)});
    }
    bool ready(bool wanted) const { return !wanted || m_running; }

private:
    QTemporaryDir m_home;
    QProcess m_process;
    bool m_running = false;
};

// The program's shown windows from the bottom of the stack to its top: the window manager's list where
// one runs, else the children of the root window as the server stacks them.
QStringList stackBottomToTop(bool windowManager)
{
    if (windowManager)
        return ProcessDriver::stackingOrder();
    const QString tree = ProcessDriver::run(QStringLiteral("xwininfo"),
                                            {QStringLiteral("-root"), QStringLiteral("-children")});
    QStringList order;
    for (const QString &line : tree.split(QLatin1Char('\n'))) {
        const QString item = line.trimmed();
        if (item.startsWith(QLatin1String("0x")))
            order.prepend(QString::number(item.section(QLatin1Char(' '), 0, 0).toULong(nullptr, 16)));
    }
    return order;
}

// The share of the rectangle's pixels on the screen in the panel's colour.
double panelShare(const QImage &shot, const QRect &area)
{
    int panel = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            panel += shot.pixelColor(x, y) == kPanelColor;
    }
    return area.isEmpty() ? 0.0 : double(panel) / (area.width() * area.height());
}

} // namespace

void TestWindowManagers::sessions()
{
    QTest::addColumn<bool>("windowManager");
    QTest::newRow("no window manager") << false;
    QTest::newRow("openbox") << true;
}

namespace {
// Starts the program with one ruler at kStart and these stored values; the ruler takes the keyboard
// with a click on its top band, as a user gives it.
QString startRuler(ProcessDriver &driver, QProcess *&process, const QVariantMap &stored = {})
{
    {
        QSettings store(driver.settingsFile(), QSettings::IniFormat);
        store.setValue(QStringLiteral("geometry"), kStart);
        for (auto it = stored.cbegin(); it != stored.cend(); ++it)
            store.setValue(it.key(), it.value());
    }
    process = driver.start();
    const QString ruler = ProcessDriver::rulerWindow(process);
    QRect seen;
    if (ruler.isEmpty() || !geometryBecomes(ruler, kStart, &seen))
        return {};
    clickAt(kStart.topLeft() + QPoint(300, 6));
    return ruler;
}

// A test row's session: the window manager where the row wants one, then the program with its ruler.
struct Session
{
    explicit Session(bool windowManager, const QVariantMap &stored = {}) : manager(windowManager)
    {
        if (manager.ready(windowManager))
            ruler = startRuler(driver, process, stored);
    }
    WindowManager manager;
    ProcessDriver driver;
    QProcess *process = nullptr;
    QString ruler;
};
} // namespace

// Alt+F and a double click on a band fill the screen and give the ruler back its place, with or without
// a window manager to ask; in between nothing is locked.
void TestWindowManagers::fullScreenFillsTheScreen()
{
    QFETCH(bool, windowManager);
    const Session session(windowManager);
    QVERIFY(!session.ruler.isEmpty());
    const QString &ruler = session.ruler;

    QRect seen;
    xdotool({"key", "alt+f"});
    QVERIFY2(geometryBecomes(ruler, kScreen, &seen), qPrintable(QDebug::toString(seen)));
    xdotool({"key", "alt+f"});
    QVERIFY2(geometryBecomes(ruler, kStart, &seen), qPrintable(QDebug::toString(seen)));
    xdotool({"key", "Right"});
    const QRect normal = kStart.translated(1, 0);
    QVERIFY2(geometryBecomes(ruler, normal, &seen), qPrintable(QDebug::toString(seen)));

    // Double clicks on the top band, quick and slow.
    for (int attempt = 0; attempt < 8; ++attempt) {
        const QRect now = ProcessDriver::geometryOf(ruler);
        pointerTo(now.topLeft() + QPoint(300, 20));
        xdotool({"click", "--repeat", "2", "--delay", QString::number(30 + attempt * 30), "1"});
        const QRect expected = attempt % 2 == 0 ? kScreen : normal;
        QVERIFY2(
            geometryBecomes(ruler, expected, &seen),
            qPrintable(QStringLiteral("double click %1: %2").arg(attempt + 1).arg(QDebug::toString(seen))));
        QTest::qWait(500); // longer than a double click, so the next two clicks start afresh
    }
}

// With "Guides Hover Width / Height" the spacings beside the pointer on a guide go when the pointer
// moves straight into the see-through body, from where no motion reaches the ruler.
void TestWindowManagers::hoverSpacingsGoWhenThePointerLeaves()
{
    QFETCH(bool, windowManager);
    const Session session(windowManager, {{QStringLiteral("hoverGuides"), true},
                                          {QStringLiteral("flyingFigureVisible"), false},
                                          {QStringLiteral("showRulerReadings"), false}});
    QVERIFY(!session.ruler.isEmpty());
    ProcessDriver::run(QStringLiteral("xsetroot"), {QStringLiteral("-solid"), kDesktop.name()});

    // Two horizontal guides dragged out of the top band.
    const int x = kStart.left() + 320;
    for (int guide : {200, 300}) {
        pointerTo({x, kStart.top() + 20});
        xdotool({"mousedown", "1"});
        for (int y = 60; y <= guide; y += 60)
            pointerTo({x, kStart.top() + std::min(y, guide)});
        pointerTo({x, kStart.top() + guide});
        xdotool({"mouseup", "1"});
    }
    pointerTo({1600, 1000});
    QTest::qWait(500);
    const QImage before = screen().copy(kStart);
    QVERIFY(!before.isNull());

    // Onto the guide from the left band: the toolkit reports no motion where the pointer enters.
    pointerTo({kStart.left() + 5, kStart.top() + 300});
    pointerTo({x, kStart.top() + 300});
    QVERIFY2(ProcessDriver::waitFor([&] { return screen().copy(kStart) != before; }, 10000),
             "no spacings beside the pointer on a guide");
    // Between the guides the body lets the pointer through to the desktop.
    pointerTo({x, kStart.top() + 250});
    QVERIFY2(ProcessDriver::waitFor([&] { return screen().copy(kStart) == before; }, 10000),
             "the spacings stayed after the pointer left");
}

// The About box opened over the information panel stays above it, also when the panel is clicked
// afterwards (its ruler takes the keyboard and brings the panel forward).
void TestWindowManagers::dialogsStandAboveThePanel()
{
    QFETCH(bool, windowManager);
    const Session session(windowManager);
    QVERIFY(!session.ruler.isEmpty());
    QProcess *process = session.process;
    QString panel;
    QVERIFY(ProcessDriver::waitFor([&] {
        const QStringList found =
            ProcessDriver::windows(process, QStringLiteral("Gradora \u2014 Information"));
        panel = found.value(0);
        return !panel.isEmpty();
    }));

    // "About Gradora" from the ruler's menu.
    clickAt(kStart.topLeft() + QPoint(300, 6), 3);
    QTest::qWait(500);
    xdotool({"key", "d"});
    QString about;
    QVERIFY(ProcessDriver::waitFor([&] {
        about = ProcessDriver::windows(process, QStringLiteral("About Gradora")).value(0);
        return !about.isEmpty();
    }));
    QTest::qWait(500);
    const QRect panelFrame = ProcessDriver::geometryOf(panel);
    const QRect aboutFrame = ProcessDriver::geometryOf(about);
    const QRect shared = panelFrame & aboutFrame;
    QVERIFY2(!shared.isEmpty() && panelFrame.top() + 10 < aboutFrame.top(),
             qPrintable(QStringLiteral("the panel %1 and the About box %2 must overlap below the panel's top")
                            .arg(QDebug::toString(panelFrame), QDebug::toString(aboutFrame))));
    QVERIFY2(ProcessDriver::waitFor([&] { return panelShare(screen(), shared) < 0.5; }, 5000),
             "the panel covers the About box as it opens");

    clickAt(panelFrame.topLeft() + QPoint(20, 8));
    QTest::qWait(1000);
    QVERIFY2(panelShare(screen(), shared) < 0.5, "the panel covers the About box after a click on the panel");
}

void TestWindowManagers::newRulerOpensInFront_data()
{
    QTest::addColumn<bool>("windowManager");
    QTest::addColumn<bool>("storedOnTop");
    QTest::newRow("no window manager, Stay On Top chosen") << false << false;
    QTest::newRow("no window manager, Stay On Top stored") << false << true;
    QTest::newRow("openbox, Stay On Top chosen") << true << false;
    QTest::newRow("openbox, Stay On Top stored") << true << true;
}

// "New Ruler" on a ruler that stays on top: the new ruler and its panel open in front of it, and the new
// ruler has the keyboard.
void TestWindowManagers::newRulerOpensInFront()
{
    QFETCH(bool, windowManager);
    QFETCH(bool, storedOnTop);
    QVariantMap stored;
    if (storedOnTop)
        stored.insert(QStringLiteral("stayOnTop"), true);
    const Session session(windowManager, stored);
    QVERIFY(!session.ruler.isEmpty());
    QProcess *process = session.process;
    if (!storedOnTop) {
        xdotool({"key", "alt+s"});
        QTest::qWait(1000);
    }
    // Stay On Top may give the ruler a new window.
    const QString first = ProcessDriver::rulers(process).value(0);
    QVERIFY(!first.isEmpty());

    xdotool({"key", "alt+n"});
    QString second;
    QVERIFY(ProcessDriver::waitFor([&] {
        const QStringList all = ProcessDriver::rulers(process);
        second = all.size() == 2 ? (all.at(0) == first ? all.at(1) : all.at(0)) : QString();
        return !second.isEmpty();
    }));
    QTest::qWait(1000);
    const QString panel =
        ProcessDriver::windows(process, QStringLiteral("Gradora \u2014 Information")).value(0);
    QVERIFY(!panel.isEmpty());

    const QStringList stack = stackBottomToTop(windowManager);
    const auto place = [&stack](const QString &window) { return stack.indexOf(window); };
    QVERIFY2(place(first) >= 0 && place(second) > place(first),
             qPrintable(QStringLiteral("the new ruler %1 is beneath the first %2: %3")
                                    .arg(second, first, stack.join(' '))));
    QVERIFY2(place(panel) > place(first),
             qPrintable(QStringLiteral("the panel is beneath the first ruler: %1").arg(stack.join(' '))));
    QCOMPARE(ProcessDriver::run(QStringLiteral("xdotool"), {QStringLiteral("getwindowfocus")}), second);
}

GRADORA_TEST_MAIN(TestWindowManagers)
#include "tst_windowmanagers.moc"
