// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "ruler/edgefinder/edgefindertool.h"

#include "render/edgefinder.h"

#include <QCoreApplication>
#include <QCursor>
#include <QEvent>
#include <QPainter>
#include <QWidget>

#include <algorithm>

namespace {

QString lengthText(const QString &arrow, const QString &number, const ReadingScale &scale)
{
    return arrow + QLatin1Char(' ') + number + QLatin1Char(' ') + scale.unitLabel;
}

} // namespace

EdgeFinderTool::EdgeFinderTool(QObject *parent) : QObject(parent)
{
    m_hintTimer.setSingleShot(true);
    m_hintTimer.setInterval(kHintMs);
    connect(&m_hintTimer, &QTimer::timeout, this, &EdgeFinderTool::hideHint);
}

EdgeFinderTool::~EdgeFinderTool() = default;

QRegion EdgeFinderTool::start(QWidget *window, Desktop *desktop, const Presentation &presentation)
{
    if (m_active || !window)
        return {};
    m_active = true;
    m_window = window;
    m_desktop = desktop;
    m_presentation = presentation;
    window->installEventFilter(this);
    const QPoint pointer = QCursor::pos();
    if (window->geometry().contains(pointer))
        m_globalPointer = pointer;
    takePicture();
    return relayout();
}

QRegion EdgeFinderTool::stop()
{
    if (!m_active)
        return {};
    m_active = false;
    m_hintShown = false;
    m_hintTimer.stop();
    m_picture = {};
    m_pictureFailure.clear();
    m_globalPointer.reset();
    relayout();
    if (!m_window)
        return {};
    m_window->removeEventFilter(this);
    // The backdrop and the shape go: the whole window shows itself anew.
    return m_window->rect();
}

QRegion EdgeFinderTool::pointTo(const QPoint &pos, const Presentation &presentation)
{
    if (!m_active || !m_window)
        return {};
    m_presentation = presentation;
    m_globalPointer = pos + windowOrigin();
    return relayout();
}

QRegion EdgeFinderTool::changeTolerance(int steps, const Presentation &presentation)
{
    if (!m_active || steps == 0)
        return {};
    m_presentation = presentation;
    m_tolerance = std::clamp(m_tolerance + steps * kToleranceStep, 0, EdgeFinder::kMaxTolerance);
    m_hintShown = true;
    m_hintTimer.start();
    return relayout();
}

bool EdgeFinderTool::showsBackdrop() const
{
    return m_active && !m_picture.isNull() && m_desktop && !m_desktop->isCompositing();
}

void EdgeFinderTool::paint(QPainter &painter) const
{
    if (!m_active)
        return;
    if (showsBackdrop() && m_window) {
        painter.save();
        // Under what the window drew: the body's translucency shows the desktop as a compositor would.
        painter.setCompositionMode(QPainter::CompositionMode_DestinationOver);
        const QRect source(windowOrigin() - m_pictureOrigin, m_window->size());
        painter.drawImage(QPoint(0, 0), m_picture, source);
        painter.restore();
    }
    m_overlay.paint(painter);
}

bool EdgeFinderTool::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_window || !m_active || m_capturing)
        return QObject::eventFilter(watched, event);
    // The lines go with the pointer when it leaves the window (not when the window steps aside for a
    // picture).
    if (event->type() == QEvent::Leave) {
        m_globalPointer.reset();
        Q_EMIT repaintNeeded(relayout());
    }
    if (event->type() == QEvent::Move || event->type() == QEvent::Resize) {
        // The pointer stands still on the screen while the window moves under it.
        Q_EMIT repaintNeeded(relayout());
    }
    return QObject::eventFilter(watched, event);
}

void EdgeFinderTool::takePicture()
{
    if (!m_active || !m_window || !m_desktop || m_capturing)
        return;
    m_capturing = true;
    m_desktop->takePicture(this, [this](const ScreenPicture &picture) { takeDelivered(picture); });
}

void EdgeFinderTool::takeDelivered(const ScreenPicture &picture)
{
    m_capturing = false;
    if (!m_active || !m_window)
        return;
    m_pictureFailure = picture.failure;
    if (picture.isValid()) {
        // Where the compositor scales the output, the box is found in the desktop's own (logical)
        // pixels, the ones the window is placed in.
        const QImage logical =
            picture.image.size() == picture.area.size()
                ? picture.image
                : picture.image.scaled(picture.area.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
        m_picture = EdgeFinder::prepared(logical);
        m_pictureOrigin = picture.area.topLeft();
    }
    relayout();
    Q_EMIT repaintNeeded(m_window->rect());
    if (!picture.isValid())
        Q_EMIT pictureFailed(picture.failure.isEmpty() ? tr("No picture of the screen could be had.")
                                                       : picture.failure);
}

void EdgeFinderTool::hideHint()
{
    m_hintShown = false;
    Q_EMIT repaintNeeded(relayout());
}

QPoint EdgeFinderTool::windowOrigin() const
{
    return m_window ? m_window->mapToGlobal(QPoint(0, 0)) : QPoint();
}

QRegion EdgeFinderTool::relayout()
{
    const QRegion old = m_overlay.region();
    m_box = {};
    m_overlay = {};
    if (!m_active || !m_window || !m_globalPointer || m_picture.isNull())
        return old;
    const QRect found = EdgeFinder::findBox(m_picture, *m_globalPointer - m_pictureOrigin, m_tolerance);
    if (found.isNull())
        return old;
    m_box = found.translated(m_pictureOrigin);
    const QPoint origin = windowOrigin();
    const ReadingScale &scale = m_presentation.scale;
    EdgeFinderOverlay::Content content;
    content.window = m_window->size();
    content.pointer = *m_globalPointer - origin;
    content.box = m_box.translated(-origin);
    content.widthText = lengthText(QStringLiteral("↔"), ReadingText::lengthX(m_box.width(), scale), scale);
    content.heightText = lengthText(QStringLiteral("↕"), ReadingText::lengthY(m_box.height(), scale), scale);
    if (m_hintShown)
        content.hint = QCoreApplication::translate("RulerWindow", "Tolerance: %1").arg(m_tolerance);
    m_overlay = EdgeFinderOverlay(content, m_presentation.look);
    return old + m_overlay.region();
}
