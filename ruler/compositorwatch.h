// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QObject>

#include <memory>

// Whether a compositing manager runs, so that translucent windows are really translucent. Without one a
// ruler shapes its window instead. The process has one watch: on X it follows the owner of the
// compositing-manager selection of the default screen as it comes and goes (no polling); elsewhere (for
// example offscreen or on Wayland) translucency is taken as working. Tests install a watch of their own
// and flip it with setRunning().
class CompositorWatch : public QObject
{
    Q_OBJECT
public:
    explicit CompositorWatch(bool running = true, QObject *parent = nullptr);
    ~CompositorWatch() override;

    bool isRunning() const { return m_running; }
    // Records the state and announces a change.
    void setRunning(bool running);

    // The process-wide watch, made on first use for the running platform.
    static CompositorWatch *instance();
    // Replaces the process-wide watch (the tests' way in); null goes back to the platform's.
    static void install(std::unique_ptr<CompositorWatch> watch);

Q_SIGNALS:
    void runningChanged(bool running);

private:
    bool m_running = true;
};
