// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// The flying figure's kinds, ratios and placement, and the figure as the pointer and the keys move it.
#include "ruler/window/rulerwindow.h"

#include "ruler/commands/rulermenu.h"

#include <QGuiApplication>

// What the flying figure learns about the window and asks of it.
class RulerWindow::FigureRuler final : public FigureControl::Ruler
{
public:
    explicit FigureRuler(RulerWindow &window) : m_window(window) {}

    QSize size() const override { return m_window.size(); }
    bool figureShown() const override { return m_window.option(RulerOption::ShowFigure); }
    FigureModifiers modifiers(Qt::KeyboardModifiers held, Qt::MouseButtons buttons) const override
    {
        FigureModifiers result;
        result.shift = held & Qt::ShiftModifier;
        result.control = held & Qt::ControlModifier;
        result.alt = held & Qt::AltModifier;
        result.leftButton = buttons & Qt::LeftButton;
        result.shiftState = m_window.shiftHeld() || result.shift;
        result.altState = m_window.altHeld();
        result.reverseAlt = m_window.option(RulerOption::ReverseAlt);
        return result;
    }
    FigureModifiers currentModifiers() const override
    {
        return modifiers(QGuiApplication::queryKeyboardModifiers(), QGuiApplication::mouseButtons());
    }
    QRegion drawnArea() const override { return m_window.m_shaper.figureArea(); }
    void repaint(const QRegion &region) override { m_window.update(region); }
    void repaintAll() override { m_window.update(); }
    void markEntry(RulerCommand entry) override { m_window.m_menu->setChecked(entry, true); }
    void placementTurned() override { m_window.m_pointer.figureTurned(); }

private:
    RulerWindow &m_window;
};

std::unique_ptr<FigureControl::Ruler> RulerWindow::figureRuler(RulerWindow &window)
{
    return std::make_unique<FigureRuler>(window);
}
