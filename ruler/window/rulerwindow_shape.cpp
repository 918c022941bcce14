// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// The window as its shaper sees it: what it draws, the compositor and its mask.
#include "ruler/window/rulerwindow.h"

#include "paint/rulerpaintstate.h"

#include <QTimer>

class RulerWindow::ShapedWindow : public WindowShaper::Window
{
public:
    explicit ShapedWindow(RulerWindow &window) : m_window(window) {}

    RulerPaintState paintState() const override { return m_window.paintState(); }
    int dpi() const override { return m_window.logicalDpiY(); }
    bool compositing() const override { return m_window.compositing(); }
    bool coveredWhole() const override { return m_window.m_edgeFinder.showsBackdrop(); }
    QRegion mask() const override { return m_window.mask(); }
    void setMask(const QRegion &shape) override { m_window.setMask(shape); }
    void clearMask() override { m_window.clearMask(); }
    void repaintLater() override { QTimer::singleShot(0, &m_window, qOverload<>(&QWidget::update)); }
    void later(std::function<void()> step) override { QTimer::singleShot(0, &m_window, std::move(step)); }

private:
    RulerWindow &m_window;
};

std::unique_ptr<WindowShaper::Window> RulerWindow::shapedWindow(RulerWindow &window)
{
    return std::make_unique<ShapedWindow>(window);
}
