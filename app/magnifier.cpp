// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "app/magnifier.h"

#include "platform/desktop.h"
#include "prefs/magnifierlayout.h"
#include "render/colorband.h"
#include "render/pixelcolor.h"

#include <QClipboard>
#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWheelEvent>

namespace {
constexpr int kWheelStep = 120;
constexpr int kStatusMargin = 4;
const QColor kGridColor(128, 128, 128, 140);
const QColor kPointerCellColor(255, 0, 0);
} // namespace

Magnifier::Magnifier(Desktop *desktop, QWidget *parent, Qt::WindowFlags flags)
    : QWidget(parent, parent ? flags : flags | Qt::Window), m_desktop(desktop)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_timer = new QTimer(this);
    m_timer->setInterval(kRefreshIntervalMs);
    connect(m_timer, &QTimer::timeout, this, &Magnifier::followPointer);
    updateTitle();
    resize(m_initialSize);
}

void Magnifier::restore(const Values &values)
{
    m_values = values;
    updateTimer();
    updateTitle();
    update();
}

void Magnifier::setInitialSize(const QSize &size)
{
    m_initialSize = size;
    resize(m_initialSize);
}

void Magnifier::refresh()
{
    refreshAt(QCursor::pos());
}

void Magnifier::refreshAt(const QPoint &pointer)
{
    m_pointer = pointer;
    m_hasPointer = true;
    QScreen *screen = QGuiApplication::screenAt(pointer);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    ScreenPicture grabbed;
    if (screen) {
        const MagnifierLayout::View view =
            MagnifierLayout::layout(pointer, m_values.zoom, size(), screen->geometry());
        m_source = view.source;
        m_pointerCell = view.pointerCell;
        grabbed = m_desktop->readArea(view.source);
    }
    if (!grabbed.isValid()) {
        // Never a black picture in its place: the reason, and no colour to read or copy.
        m_problem = !grabbed.failure.isEmpty() ? grabbed.failure
                                               : tr("The screen around the pointer could not be read.");
        m_picture = QImage();
        m_zoomed = QImage();
    } else {
        m_problem.clear();
        m_picture = grabbed.image;
        const int factor = MagnifierLayout::clampedZoom(m_values.zoom);
        m_zoomed = m_picture.scaled(m_picture.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    }
    update();
}

void Magnifier::followPointer()
{
    const QPoint pointer = QCursor::pos();
    // Magnifying its own window would only show the magnifier inside itself.
    if (frameGeometry().contains(pointer))
        return;
    refreshAt(pointer);
}

void Magnifier::setAutoUpdate(bool on)
{
    m_values.autoUpdate = on;
    updateTimer();
    updateTitle();
    update();
}

void Magnifier::setZoom(int newZoom)
{
    m_values.zoom = MagnifierLayout::clampedZoom(newZoom);
    updateTitle();
    if (isVisible() && m_hasPointer)
        refreshAt(m_pointer);
}

void Magnifier::setGridActive(bool on)
{
    m_values.gridActive = on ? 1 : 0;
    update();
}

bool Magnifier::isFollowing() const
{
    return m_timer->isActive();
}

void Magnifier::updateTimer()
{
    if (m_values.autoUpdate && isVisible())
        m_timer->start();
    else
        m_timer->stop();
}

void Magnifier::updateTitle()
{
    setWindowTitle(m_values.autoUpdate
                       ? tr("Magnifier %1× (live)").arg(MagnifierLayout::clampedZoom(m_values.zoom))
                       : tr("Magnifier %1×").arg(MagnifierLayout::clampedZoom(m_values.zoom)));
}

void Magnifier::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    m_values.zoom = MagnifierLayout::clampedZoom(m_values.zoom);
    updateTitle();
    if (!m_values.autoUpdate)
        refresh();
    updateTimer();
}

void Magnifier::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    updateTimer();
}

void Magnifier::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // The live view catches up at the next tick; a still view is read again for its new size.
    if (isVisible() && !m_values.autoUpdate && m_hasPointer)
        refreshAt(m_pointer);
}

void Magnifier::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        hide();
        break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F5:
        refresh();
        break;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        setZoom(m_values.zoom + 1);
        break;
    case Qt::Key_Minus:
        setZoom(m_values.zoom - 1);
        break;
    case Qt::Key_G:
        setGridActive(m_values.gridActive == 0);
        break;
    case Qt::Key_A:
        setAutoUpdate(!m_values.autoUpdate);
        break;
    case Qt::Key_C:
        copyColor();
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void Magnifier::wheelEvent(QWheelEvent *event)
{
    const int steps = event->angleDelta().y() / kWheelStep;
    if (steps != 0)
        setZoom(m_values.zoom + steps);
    event->accept();
}

void Magnifier::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    if (!m_problem.isEmpty() || m_zoomed.isNull()) {
        const QString message =
            !m_problem.isEmpty()
                ? m_problem
                : tr("Space: magnify the screen around the pointer\nA: follow the pointer\nG: pixel grid\n"
                     "+ / - or the wheel: zoom\nEsc: hide");
        painter.setPen(palette().windowText().color());
        painter.drawText(rect().adjusted(kStatusMargin, kStatusMargin, -kStatusMargin, -kStatusMargin),
                         Qt::AlignCenter | Qt::TextWordWrap, message);
        return;
    }
    painter.drawImage(QPoint(0, 0), m_zoomed);
    if (m_values.gridActive != 0)
        drawGrid(painter);
    if (MagnifierLayout::clampedZoom(m_values.zoom) > 1) {
        painter.setPen(kPointerCellColor);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(m_pointerCell.adjusted(0, 0, -1, -1));
    }
    drawColorBand(painter);
}

void Magnifier::drawGrid(QPainter &painter) const
{
    const QSize shown = m_zoomed.size().boundedTo(size());
    QList<QLine> lines;
    for (int x : MagnifierLayout::gridLines(shown.width(), m_values.zoom, m_values.gridSize))
        lines.append(QLine(x, 0, x, shown.height() - 1));
    for (int y : MagnifierLayout::gridLines(shown.height(), m_values.zoom, m_values.gridSize))
        lines.append(QLine(0, y, shown.width() - 1, y));
    painter.setPen(kGridColor);
    painter.drawLines(lines);
}

std::optional<QColor> Magnifier::pointerColor() const
{
    return PixelColor::pixelAt(m_picture, m_pointer - m_source.topLeft());
}

void Magnifier::copyColor()
{
    const std::optional<QColor> color = pointerColor();
    if (!color)
        return;
    m_copiedHex = PixelColor::hexText(*color);
    QGuiApplication::clipboard()->setText(m_copiedHex);
    update();
}

// The pointer's position and the colour of the pixel under it, at the bottom.
void Magnifier::drawColorBand(QPainter &painter) const
{
    ColorBand::Content content;
    content.position = QStringLiteral("%1, %2").arg(m_pointer.x()).arg(m_pointer.y());
    content.color = pointerColor();
    if (content.color)
        content.hint = PixelColor::hexText(*content.color) == m_copiedHex ? tr("Copied") : tr("C: copy");
    ColorBand::paint(painter, ColorBand::layout(size(), painter.fontMetrics()), content);
}
