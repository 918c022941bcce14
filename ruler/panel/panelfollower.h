// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "prefs/panelside.h"
#include "ruler/panel/paneltexts.h"

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QTimer>
#include <memory>

class InfoPanel;
class Preferences;
class QWidget;

// One ruler's side of the shared information panel: whether the panel follows this ruler, where it
// stands beside it, and the ruler's texts, sent to the panel while this ruler owns it. The panel knows
// its ruler only through here.
class PanelFollower : public QObject
{
    Q_OBJECT
public:
    // What the follower needs of its ruler.
    class Ruler
    {
    public:
        virtual ~Ruler() = default;
        virtual QWidget *window() const = 0;
        virtual QRect frame() const = 0;
        // The shared panel (null before it is made) and the preferences (null before the ruler joins).
        virtual InfoPanel *panel() const = 0;
        virtual Preferences *preferences() const = 0;
        virtual bool staysOnTop() const = 0;
        virtual PanelTexts texts() const = 0;
        // A drag on the panel moves the ruler as a drag of its body does.
        virtual void beginDrag() = 0;
        virtual void dragTo(const QPoint &topLeft) = 0;
        virtual void endDrag() = 0;
        // Takes the keyboard, asking the window system only when the ruler does not have it already.
        virtual void keepKeyboard() = 0;
        // The panel is not made yet: the ruler takes it when it comes (see take()).
        virtual void waitForPanel() = 0;
    };

    // A dragged window tells the panel where it stands at most once a frame: the panel's texts change
    // on every step, and laying them out is most of what a step costs.
    static constexpr int kTextsFrameMs = 16;

    explicit PanelFollower(std::unique_ptr<Ruler> ruler);

    Ruler &ruler() const { return *m_ruler; }

    // Whether the panel follows this ruler as it moves and shows or hides with it; the settings file
    // keeps it. A press lets go of it for a moment, so that the panel stays where it is.
    bool follows() const { return m_follows; }
    void setFollows(bool follows) { m_follows = follows; }
    // Which side of the ruler the panel takes when this ruler starts the run.
    PanelSide startSide() const { return m_startSide; }
    void setStartSide(PanelSide side) { m_startSide = side; }

    bool ownsPanel() const;
    // Makes this ruler the panel's owner where the panel follows it (or, before the panel is made, the
    // one that takes it when it comes).
    void claim();
    // The ruler stands at `window` on `screen`: the panel, where it is shown, stands beside it, and
    // shows or hides with it where it follows this ruler.
    void follow(const QRect &window, const QRect &screen, bool dragged);
    // Places and shows the panel that was made after this ruler wanted to show it.
    void take(const QRect &window, const QRect &screen);

    // The ruler's texts changed: the panel hears of them within a frame, or at once with sendTexts().
    void textsSoon();
    void sendTexts();

Q_SIGNALS:
    void textsChanged(const PanelTexts &texts);

private:
    void placeBeside(const QRect &window, const QRect &screen);

    std::unique_ptr<Ruler> m_ruler;
    bool m_follows = true;
    PanelSide m_startSide = PanelSide::Right;
    QTimer m_textsTimer;
};
