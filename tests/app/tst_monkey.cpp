// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// A seeded monkey over three real rulers: thousands of random pointer, wheel and key events, the
// same ones on every run. Under the sanitizers any fault of memory or arithmetic ends the test; at
// the end every ruler must still stand on a screen at a usable size.
#include "app/rulerhub.h"
#include "ruler/placement/geometryrule.h"
#include "ruler/window/rulerwindow.h"
#include "testsupport.h"

#include <QGuiApplication>
#include <QRandomGenerator>
#include <QScreen>
#include <QTimer>
#include <QWheelEvent>

namespace {
// Raise with GRADORA_MONKEY_EVENTS for a longer run by hand.
constexpr int kDefaultEvents = 3000;
constexpr quint32 kSeed = 20261208;

// Keys that act on a ruler without leaving the program, opening the browser or a modal dialog
// (T opens Transparency while Alt and Shift are remembered).
const QList<int> kKeys{Qt::Key_Left,   Qt::Key_Right,    Qt::Key_Up,       Qt::Key_Down, Qt::Key_Z,
                       Qt::Key_A,      Qt::Key_X,        Qt::Key_S,        Qt::Key_C,    Qt::Key_D,
                       Qt::Key_V,      Qt::Key_F,        Qt::Key_I,        Qt::Key_K,    Qt::Key_J,
                       Qt::Key_L,      Qt::Key_PageUp,   Qt::Key_PageDown, Qt::Key_Tab,  Qt::Key_Backslash,
                       Qt::Key_0,      Qt::Key_1,        Qt::Key_2,        Qt::Key_3,    Qt::Key_4,
                       Qt::Key_5,      Qt::Key_6,        Qt::Key_7,        Qt::Key_B,    Qt::Key_G,
                       Qt::Key_H,      Qt::Key_N,        Qt::Key_R,        Qt::Key_Y,    Qt::Key_QuoteLeft,
                       Qt::Key_Period, Qt::Key_Question, Qt::Key_Exclam,   Qt::Key_At};
// Alt alone with these would quit, close, make rulers or open pages: left out.
const QList<int> kAltKeys{Qt::Key_S,  Qt::Key_L,    Qt::Key_F, Qt::Key_Left, Qt::Key_Right,
                          Qt::Key_Up, Qt::Key_Down, Qt::Key_1, Qt::Key_4,    Qt::Key_7};
const QList<Qt::KeyboardModifiers> kModifiers{Qt::NoModifier,
                                              Qt::NoModifier,
                                              Qt::ShiftModifier,
                                              Qt::AltModifier,
                                              Qt::ShiftModifier | Qt::AltModifier,
                                              Qt::ControlModifier};

QList<QRect> screenRects()
{
    QList<QRect> rects;
    for (const QScreen *screen : QGuiApplication::screens())
        rects.append(screen->geometry());
    return rects;
}

// Events go straight to the ruler's handlers, as the window system would deliver them. No event loop
// runs in between: on the offscreen platform, activating three windows in turn can keep the queue
// busy for good, which tells nothing about the rulers.
class Monkey
{
public:
    explicit Monkey(quint32 seed) : m_random(seed) {}

    void act(RulerWindow *ruler)
    {
        const QPoint at(int(m_random.bounded(-10, ruler->width() + 10)),
                        int(m_random.bounded(-10, ruler->height() + 10)));
        const Qt::KeyboardModifiers held = kModifiers.at(int(m_random.bounded(kModifiers.size())));
        switch (m_random.bounded(6)) {
        case 0:
            mouse(ruler, QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton, held);
            break;
        case 1:
            drag(ruler, at, held);
            break;
        case 2:
            wheel(ruler, at, held);
            break;
        case 3: {
            const QList<int> &keys = held == Qt::AltModifier ? kAltKeys : kKeys;
            const int key = keys.at(int(m_random.bounded(keys.size())));
            keyEvent(ruler, QEvent::KeyPress, key, held);
            keyEvent(ruler, QEvent::KeyRelease, key, held);
            break;
        }
        case 4: // modifiers pressed and released alone, as the remembered-modifier rules see them
            keyEvent(ruler, QEvent::KeyPress, m_random.bounded(2) ? Qt::Key_Shift : Qt::Key_Alt,
                     Qt::NoModifier);
            keyEvent(ruler, QEvent::KeyRelease, m_random.bounded(2) ? Qt::Key_Shift : Qt::Key_Alt,
                     Qt::NoModifier);
            break;
        default:
            mouse(ruler, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton, held);
            mouse(ruler, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton, held);
            if (m_random.bounded(20) == 0)
                mouse(ruler, QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton, held);
            break;
        }
    }

private:
    static void mouse(RulerWindow *ruler, QEvent::Type type, const QPoint &at, Qt::MouseButton button,
                      Qt::MouseButtons buttons, Qt::KeyboardModifiers held)
    {
        QMouseEvent event(type, at, ruler->mapToGlobal(at), button, buttons, held);
        QCoreApplication::sendEvent(ruler, &event);
    }

    static void keyEvent(RulerWindow *ruler, QEvent::Type type, int key, Qt::KeyboardModifiers held)
    {
        QKeyEvent event(type, key, held);
        QCoreApplication::sendEvent(ruler, &event);
    }

    void drag(RulerWindow *ruler, const QPoint &from, Qt::KeyboardModifiers held)
    {
        mouse(ruler, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton, held);
        QPoint to = from;
        for (int step = int(m_random.bounded(1, 6)); step > 0; --step) {
            to += QPoint(int(m_random.bounded(-400, 400)), int(m_random.bounded(-400, 400)));
            mouse(ruler, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton, held);
        }
        mouse(ruler, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton, held);
    }

    void wheel(RulerWindow *ruler, const QPoint &at, Qt::KeyboardModifiers held)
    {
        const int delta = int(m_random.bounded(-6, 7)) * 120 + int(m_random.bounded(-30, 30));
        QWheelEvent event(at, ruler->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, held,
                          Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(ruler, &event);
    }

    QRandomGenerator m_random;
};
} // namespace

class TestMonkey : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void threeRulersSurviveRandomInput();
};

void TestMonkey::threeRulersSurviveRandomInput()
{
    TestSupport::clearStore();
    RulerHub hub;
    RulerWindow *first = hub.openFirstRuler();
    first->execute(RulerCommand::NewRuler);
    first->execute(RulerCommand::NewRuler);
    const QList<RulerWindow *> rulers = hub.rulers();
    QCOMPARE(rulers.size(), 3);

    // A dialog or a menu that some event opens would wait for a person: the monkey closes it again.
    QTimer closer;
    connect(&closer, &QTimer::timeout, [] {
        if (QWidget *popup = QApplication::activePopupWidget())
            popup->close();
        if (QWidget *modal = QApplication::activeModalWidget())
            modal->close();
    });
    closer.start(20);

    const int events = qEnvironmentVariableIsSet("GRADORA_MONKEY_EVENTS")
                           ? qEnvironmentVariableIntValue("GRADORA_MONKEY_EVENTS")
                           : kDefaultEvents;
    Monkey monkey(kSeed);
    QRandomGenerator pick(kSeed + 1);
    for (int event = 0; event < events; ++event) {
        monkey.act(rulers.at(int(pick.bounded(rulers.size()))));
    }

    QCOMPARE(hub.rulers().size(), 3);
    for (RulerWindow *ruler : rulers) {
        if (ruler->state().fullScreen())
            ruler->execute(RulerCommand::FullScreen);
        const QRect geometry = ruler->geometry();
        QVERIFY2(geometry.width() >= GeometryRule::kMinimumSide &&
                     geometry.height() >= GeometryRule::kMinimumSide,
                 qPrintable(QStringLiteral("%1 x %2").arg(geometry.width()).arg(geometry.height())));
        QCOMPARE(GeometryRule::fitted(geometry, screenRects()), geometry);
    }
}

GRADORA_TEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
