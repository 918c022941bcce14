// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "ruler/compositorwatch.h"

#include "ruler/x11compositorwatch.h"

#include <QGuiApplication>

namespace {
std::unique_ptr<CompositorWatch> &processWatch()
{
    static std::unique_ptr<CompositorWatch> watch;
    return watch;
}
} // namespace

CompositorWatch::CompositorWatch(bool running, QObject *parent) : QObject(parent), m_running(running) {}

CompositorWatch::~CompositorWatch() = default;

void CompositorWatch::setRunning(bool running)
{
    if (running == m_running)
        return;
    m_running = running;
    Q_EMIT runningChanged(running);
}

CompositorWatch *CompositorWatch::instance()
{
    std::unique_ptr<CompositorWatch> &watch = processWatch();
    if (!watch) {
        watch = X11CompositorWatch::create();
        if (!watch)
            watch = std::make_unique<CompositorWatch>(true);
    }
    return watch.get();
}

void CompositorWatch::install(std::unique_ptr<CompositorWatch> watch)
{
    processWatch() = std::move(watch);
}
