// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// The keyboard: every feature has its key.
#include "ruler/rulerwindow.h"

#include "ruler/conventionkeys.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>

namespace {
constexpr double kFineTurn = 0.17578125; // 360 / 2048
constexpr double kCoarseTurn = 11.25;
constexpr double kEighthTurn = 45.0;
constexpr double kQuarterTurn = 90.0;
constexpr double kScaleUp = 1.01;
constexpr double kScaleDown = 0.99;
} // namespace

void RulerWindow::keyPressEvent(QKeyEvent *event)
{
    if (runConventionKey(event))
        return;
    const int key = event->key();
    // The chord comes from this event alone, so the order in which its keys went down does not count.
    takeChord(ModifierLatch::fromKey(key, true, event->modifiers()));
    if (shiftState && altState && handleAltShiftChord(key))
        return;
    if (event->modifiers() == Qt::AltModifier && handleExactlyAlt(event))
        return;
    prepareForKey(event);
    if (handleArrowKey(key) || handleFigureKey(event))
        return;
    handleOptionKey(key);
}

bool RulerWindow::handleAltShiftChord(int key)
{
    switch (key) {
    case Qt::Key_A:
        setAntiAliasing();
        return true;
    case Qt::Key_C:
        setCrossHair();
        return true;
    case Qt::Key_G:
        setClearGuides();
        return true;
    case Qt::Key_H:
        R_M_Height = !R_M_Height;
        update();
        return true;
    case Qt::Key_M:
        setMagnifier();
        return true;
    case Qt::Key_P:
        setManualSet();
        return true;
    case Qt::Key_R:
        setMinimalistic();
        return true;
    case Qt::Key_S:
        invertAlt();
        return true;
    case Qt::Key_T:
        setTransparency();
        return true;
    case Qt::Key_W:
        R_M_Width = !R_M_Width;
        update();
        return true;
    case Qt::Key_Y:
        setViewMinimalReadingsAction();
        return true;
    default:
        return false;
    }
}

bool RulerWindow::handleExactlyAlt(const QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_N:
        newRuler();
        return true;
    case Qt::Key_W:
        closeRuler();
        return true;
    case Qt::Key_B:
        setBackgroundAction();
        return true;
    case Qt::Key_C:
        setRulerAction();
        return true;
    case Qt::Key_G:
        setGuidesAction();
        return true;
    case Qt::Key_Q:
        quitSavingThisRuler();
        return true;
    case Qt::Key_S:
        setStayOnTop();
        return true;
    case Qt::Key_P:
        setSnapToScreen();
        return true;
    case Qt::Key_L:
        setLockToScreen();
        return true;
    case Qt::Key_F:
        setFullScreen();
        return true;
    case Qt::Key_Comma:
        propertiesShow();
        return true;
    case Qt::Key_Slash:
        help();
        return true;
    default:
        return false;
    }
}

bool RulerWindow::runConventionKey(const QKeyEvent *event)
{
    switch (ConventionKeys::commandFor(event->key(), event->modifiers(), fullScreen)) {
    case ConventionKeys::Command::Help:
        help();
        return true;
    case ConventionKeys::Command::Quit:
        actQuit->trigger();
        return true;
    case ConventionKeys::Command::CloseRuler:
        closeRuler();
        return true;
    case ConventionKeys::Command::LeaveFullScreen:
        setFullScreen();
        return true;
    case ConventionKeys::Command::None:
        break;
    }
    return false;
}

void RulerWindow::quitSavingThisRuler()
{
    saveSettings();
    emit quitRequested();
}

void RulerWindow::prepareForKey(const QKeyEvent *event)
{
    if (preferences) {
        const Preferences::Steps steps = preferences->steps();
        move_normal = steps.moveNormal;
        move_more = steps.moveMore;
        resize_normal = steps.resizeNormal;
        resize_more = steps.resizeMore;
    }
    if (ModifierLatch::isAltKey(event->key()) || event->key() == Qt::Key_Shift)
        wheelSteps.reset();
    if (shiftState)
        setCursor(dragMode != 0 || altState ? Qt::ArrowCursor : Qt::SizeFDiagCursor);
}

bool RulerWindow::handleArrowKey(int key)
{
    QPoint direction;
    switch (key) {
    case Qt::Key_Left:
        direction = {-1, 0};
        break;
    case Qt::Key_Right:
        direction = {1, 0};
        break;
    case Qt::Key_Up:
        direction = {0, -1};
        break;
    case Qt::Key_Down:
        direction = {0, 1};
        break;
    default:
        return false;
    }
    if (fullScreen)
        return true;
    if (shiftState) {
        // Keyboard resizes keep the top-left; the geometry rule keeps the minimum.
        const int step = altState ? resize_more : resize_normal;
        placeWindow(QRect(pos(), size() + QSize(direction.x() * step, direction.y() * step)));
    } else {
        placeWindowAt(pos() + direction * (altState ? move_more : move_normal));
    }
    return true;
}

bool RulerWindow::handleFigureKey(const QKeyEvent *event)
{
    using Slot = void (RulerWindow::*)();
    static const Slot corner[] = {&RulerWindow::set_M_Rectangle,     &RulerWindow::set_M_Square,
                                  &RulerWindow::set_M_Rhombus,       &RulerWindow::set_M_IsoscelesTriangle,
                                  &RulerWindow::set_M_RightTriangle, &RulerWindow::set_M_Circle,
                                  &RulerWindow::set_M_Ellipse};
    static const Slot centered[] = {&RulerWindow::set_S_Rectangle,     &RulerWindow::set_S_Square,
                                    &RulerWindow::set_S_Rhombus,       &RulerWindow::set_S_IsoscelesTriangle,
                                    &RulerWindow::set_S_RightTriangle, &RulerWindow::set_S_Circle,
                                    &RulerWindow::set_S_Ellipse};
    static const Slot ratio[] = {&RulerWindow::set4to3Ratio,  &RulerWindow::set16to9Ratio, &RulerWindow::set5to3Ratio,
                                 &RulerWindow::set3to2ratio,  &RulerWindow::set185ratio,   &RulerWindow::set239ratio,
                                 &RulerWindow::setGoldenRatio};
    // The characters on the shifted digits of a US keyboard give the centred kinds directly.
    static const int shiftedDigits[] = {Qt::Key_Exclam,   Qt::Key_At,      Qt::Key_NumberSign,
                                        Qt::Key_Dollar,   Qt::Key_Percent, Qt::Key_AsciiCircum,
                                        Qt::Key_Ampersand};

    // Calls through a local copy: the sanitizer misreads indexing straight into a member-pointer array.
    auto call = [this](Slot slot) { (this->*slot)(); };
    auto turn = [this](double degrees) {
        setUpdatesEnabled(false);
        rotateFigureBy(degrees);
        recomputeFigure();
        setUpdatesEnabled(true);
        update();
    };
    auto scale = [this](double factor) {
        setUpdatesEnabled(false);
        scaleFigureBy(factor);
        setUpdatesEnabled(true);
        update();
    };

    const int key = event->key();
    switch (key) {
    case Qt::Key_Z:
        turn(kFineTurn);
        return true;
    case Qt::Key_A:
        turn(-kFineTurn);
        return true;
    case Qt::Key_X:
        turn(kCoarseTurn);
        return true;
    case Qt::Key_S:
        turn(-kCoarseTurn);
        return true;
    case Qt::Key_C:
        turn(kEighthTurn);
        return true;
    case Qt::Key_D:
        turn(-kEighthTurn);
        return true;
    case Qt::Key_V:
        turn(kQuarterTurn);
        return true;
    case Qt::Key_F:
        turn(-kQuarterTurn);
        return true;
    case Qt::Key_PageUp:
        scale(kScaleUp);
        return true;
    case Qt::Key_PageDown:
        scale(kScaleDown);
        return true;
    case Qt::Key_I:
        moveFigureBy({0, -1});
        return true;
    case Qt::Key_K:
        moveFigureBy({0, 1});
        return true;
    case Qt::Key_J:
        moveFigureBy({-1, 0});
        return true;
    case Qt::Key_L:
        moveFigureBy({1, 0});
        return true;
    case Qt::Key_Tab:
        toggleFigurePlacement();
        return true;
    case Qt::Key_Backslash:
        recenterPolyruler();
        return true;
    case Qt::Key_Shift:
        recomputeFigure();
        return true;
    case Qt::Key_0:
        setFlyingRuler();
        return true;
    default:
        break;
    }

    if (key >= Qt::Key_1 && key <= Qt::Key_7) {
        const int index = key - Qt::Key_1;
        if (altState) {
            call(ratio[index]);
            if (shiftState && index > 0)
                call(centered[index]);
        } else {
            call(shiftState ? centered[index] : corner[index]);
        }
        return true;
    }
    for (int i = 0; i < kShapeCount; ++i) {
        if (key == shiftedDigits[i]) {
            call(centered[i]);
            return true;
        }
    }
    return false;
}

bool RulerWindow::handleOptionKey(int key)
{
    switch (key) {
    case Qt::Key_Period:
    case Qt::Key_Greater:
        setFlipToolbox();
        return true;
    case Qt::Key_Slash:
    case Qt::Key_Question:
        setShowHideInfoPane();
        return true;
    case Qt::Key_B:
        setViewBorderAction();
        return true;
    case Qt::Key_G:
        setShowGuides();
        return true;
    case Qt::Key_H:
        setHoverGuides();
        return true;
    case Qt::Key_M:
        setViewMAction();
        return true;
    case Qt::Key_N:
        setViewNAction();
        return true;
    case Qt::Key_P:
        if (preferences)
            preferences->setActivateOnHover(!preferences->activateOnHover());
        return true;
    case Qt::Key_R:
        setViewRotationCenterAction();
        return true;
    case Qt::Key_T:
        setViewFReadingsAction();
        return true;
    case Qt::Key_Y:
        if (!altState && !shiftState)
            setViewReadingsAction();
        return true;
    case Qt::Key_QuoteLeft:
    case Qt::Key_AsciiTilde:
        setViewFigureAction();
        return true;
    default:
        return false;
    }
}

void RulerWindow::keyReleaseEvent(QKeyEvent *event)
{
    takeChord(ModifierLatch::fromKey(event->key(), false, event->modifiers()));
    if (!shiftState && dragMode == 0)
        setCursor(Qt::ArrowCursor);
}
