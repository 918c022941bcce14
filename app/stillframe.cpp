// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "app/stillframe.h"

#include "app/stillframelayout.h"
#include "platform/stillpicturedesktop.h"
#include "render/colorband.h"
#include "ruler/commands/rulercommand.h"
#include "ruler/input/modifierlatch.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWheelEvent>

namespace {
// Outside the picture (a window larger than the desktop it shows); never read as data.
const QColor kOutsideColor(64, 64, 64);
} // namespace

StillFrame::StillFrame(Desktop *desktop, Tool tool, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), m_desktop(desktop),
      m_tool(tool)
{
    setObjectName(QStringLiteral("stillFrame"));
    setWindowTitle(tool == Tool::Magnifier ? tr("Magnifier on a still frame")
                                           : tr("Edge finder on a still frame"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::CrossCursor);
    connect(&m_finder, &EdgeFinderTool::repaintNeeded, this, qOverload<const QRegion &>(&QWidget::update));
}

StillFrame::~StillFrame()
{
    // The lens reads the picture: it goes first.
    delete m_lens;
}

void StillFrame::setMagnifier(const Magnifier::Values &values, const QSize &lensSize)
{
    m_lensValues = values;
    m_lensSize = lensSize;
}

void StillFrame::setEdgeFinderPresentation(const EdgeFinderTool::Presentation &presentation)
{
    m_presentation = presentation;
}

void StillFrame::start()
{
    takePicture();
}

void StillFrame::takePicture()
{
    if (m_taking || m_leaving)
        return;
    m_taking = true;
    stopTool();
    m_desktop->takePicture(this, [this](const ScreenPicture &picture) { pictureTaken(picture); });
}

void StillFrame::pictureTaken(const ScreenPicture &picture)
{
    m_taking = false;
    if (m_leaving)
        return;
    if (!picture.isValid()) {
        const QString failure =
            picture.failure.isEmpty() ? tr("No picture of the screen could be had.") : picture.failure;
        leave();
        Q_EMIT failed(failure);
        return;
    }
    m_still = std::make_unique<StillPictureDesktop>(picture);
    if (!isVisible()) {
        QScreen *screen = QGuiApplication::screenAt(QCursor::pos());
        if (!screen)
            screen = QGuiApplication::primaryScreen();
        if (screen)
            setGeometry(screen->geometry());
        showFullScreen();
    }
    raise();
    activateWindow();
    setFocus();
    startTool();
    update();
}

void StillFrame::startTool()
{
    if (!m_still)
        return;
    if (m_tool == Tool::Magnifier) {
        m_lens = new Magnifier(m_still.get(), this);
        Magnifier::Values values = m_lensValues;
        // The lens follows the pointer over the frame; it needs no timer of its own.
        values.autoUpdate = false;
        m_lens->restore(values);
        m_lens->resize(m_lensSize);
        m_lens->setFocusPolicy(Qt::NoFocus);
        m_lens->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_lens->show();
    } else {
        update(m_finder.start(this, m_still.get(), m_presentation));
    }
    const QPoint pointer = mapFromGlobal(QCursor::pos());
    if (rect().contains(pointer))
        pointTo(pointer);
}

void StillFrame::stopTool()
{
    if (m_lens) {
        const bool autoUpdate = m_lensValues.autoUpdate;
        m_lensValues = m_lens->values();
        m_lensValues.autoUpdate = autoUpdate;
        delete m_lens;
    }
    if (m_finder.active())
        update(m_finder.stop());
}

void StillFrame::pointTo(const QPoint &pos)
{
    const QRect oldBanner = bannerRect();
    m_pointer = pos;
    if (m_lens) {
        m_lens->setGeometry(StillFrameLayout::lensRect(pos, m_lensSize, rect()));
        m_lens->refreshAt(mapToGlobal(pos));
    }
    if (m_finder.active())
        update(m_finder.pointTo(pos, m_presentation));
    if (bannerRect() != oldBanner)
        update(QRegion(oldBanner) + bannerRect());
}

void StillFrame::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_taking)
        pointTo(event->position().toPoint());
}

void StillFrame::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    if (m_taking || m_tool != Tool::EdgeFinder || event->button() != Qt::LeftButton)
        return;
    pointTo(event->position().toPoint());
    const QRect box = m_finder.foundBox();
    if (box.isNull())
        return;
    const bool figure = event->modifiers() & Qt::ShiftModifier;
    leave();
    Q_EMIT boxChosen(box, figure);
}

void StillFrame::wheelEvent(QWheelEvent *event)
{
    event->accept();
    if (m_taking || m_forwarding)
        return;
    if (m_lens) {
        forwardToLens(event);
    } else if (m_finder.active()) {
        const int delta = event->angleDelta().y();
        if (delta != 0)
            update(m_finder.changeTolerance(delta > 0 ? 1 : -1, m_presentation));
    }
}

bool StillFrame::isToolKey(const QKeyEvent *event) const
{
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const RulerCommands::KeyPress press{event->key(), modifiers,
                                        ModifierLatch::fromKey(event->key(), true, modifiers), false};
    const RulerCommand command =
        m_tool == Tool::Magnifier ? RulerCommand::Magnifier : RulerCommand::EdgeFinder;
    return RulerCommands::commandForKey(press) == command;
}

void StillFrame::keyPressEvent(QKeyEvent *event)
{
    event->accept();
    // A key the lens does not take comes back here from its child.
    if (m_taking || m_forwarding)
        return;
    switch (event->key()) {
    case Qt::Key_Escape:
        leave();
        return;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F5:
        takePicture();
        return;
    case Qt::Key_A:
        // The lens follows the pointer already.
        return;
    default:
        break;
    }
    if (isToolKey(event)) {
        leave();
        return;
    }
    // Zoom, grid and copy: the magnifier's own keys.
    if (m_lens)
        forwardToLens(event);
}

void StillFrame::forwardToLens(QEvent *event)
{
    m_forwarding = true;
    QCoreApplication::sendEvent(m_lens, event);
    m_forwarding = false;
}

void StillFrame::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    leave();
}

void StillFrame::leave()
{
    if (m_leaving)
        return;
    m_leaving = true;
    stopTool();
    hide();
    Q_EMIT left();
    deleteLater();
}

QString StillFrame::bannerText() const
{
    if (m_tool == Tool::Magnifier)
        return tr("Still frame: the screen as it was when the picture was taken.   +/−: zoom   G: grid   "
                  "C: copy the colour   Space: new picture   Esc: leave");
    return tr("Still frame: the screen as it was when the picture was taken.   Click: fit the ruler   "
              "Shift+click: fit the figure   Wheel: tolerance   Space: new picture   Esc: leave");
}

QRect StillFrame::bannerRect() const
{
    const QFontMetrics metrics(font());
    const int margin = StillFrameLayout::kBannerMargin;
    const QSize size(std::min(metrics.horizontalAdvance(bannerText()) + 2 * margin, width()),
                     metrics.height() + 2 * margin);
    return StillFrameLayout::bannerRect(size, rect(), m_pointer);
}

void StillFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), kOutsideColor);
    if (!m_still)
        return;
    painter.drawImage(m_still->area().topLeft() - mapToGlobal(QPoint(0, 0)), m_still->logicalImage());
    m_finder.paint(painter);
    const QRect banner = bannerRect();
    painter.fillRect(banner, ColorBand::kBackground);
    painter.setPen(ColorBand::kText);
    painter.drawText(banner, Qt::AlignCenter, bannerText());
}
