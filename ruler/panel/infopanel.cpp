// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "ruler/panel/infopanel.h"

#include "platform/desktop.h"
#include "ruler/panel/panelfollower.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {
const QColor kOutlineColor(33, 33, 33, 128);
const QColor kPanelColor(255, 255, 156);
constexpr qreal kOpacity = 0.9;
// The panel is never narrower than this, so that it does not narrow and widen as the numbers change.
constexpr int kMinimumWidth = 170;
constexpr int kFigurePartGap = 6;
} // namespace

InfoPanel::InfoPanel(QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowSystemMenuHint)
{
    setObjectName(QStringLiteral("rulerSettings"));
    setWindowTitle(tr("Gradora — Information"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    // The panel follows the ruler without taking the keyboard from it; so it is never the active window,
    // and its labels' tool tips must show all the same.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_AlwaysShowToolTips);
    setStyleSheet(QStringLiteral("border-width:1px;"));
    setWindowOpacity(kOpacity);
    QPalette colors = palette();
    colors.setBrush(QPalette::All, QPalette::Window, QBrush(kPanelColor));
    setPalette(colors);
    setAutoFillBackground(true);

    QFont readingFont(QString::fromLatin1(kFontFamily));
    readingFont.setPixelSize(kFontPixelSize);
    readingFont.setWeight(QFont::Normal);
    QFont headerFont = readingFont;
    headerFont.setWeight(QFont::Bold);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->setSpacing(1);
    // The panel sizes itself to its content (fitToContent), it needs no minimum from the layout.
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    auto addLabel = [&](const QString &text, const QFont &font, const QString &tip) {
        auto *label = new QLabel(text, this);
        label->setFont(font);
        label->setToolTip(tip);
        layout->addWidget(label);
        return label;
    };

    m_rulerHeader = addLabel(tr("Ruler:"), headerFont, QString());
    const QString rulerTips[] = {tr("Left "), tr("Top"),    tr("Right"), tr("Bottom"),
                                 tr("Width"), tr("Height"), tr("Area"),  tr("Perimeter")};
    for (int i = 0; i < RulerReadingCount; ++i)
        m_rulerLabels[i] = addLabel(QString(), readingFont, rulerTips[i]);
    m_deviceSizeLabel = addLabel(QString(), readingFont, tr("Size in the screen's own pixels"));
    m_deviceSizeLabel->hide();

    m_figureHeader = addLabel(tr("Flying Figure:"), headerFont, QString());
    // The room above the figure's part goes with it when it hides.
    m_figureHeader->setContentsMargins(0, kFigurePartGap, 0, 0);
    const QString figureTips[] = {tr("Figure Width"),     tr("Figure Height"),  tr("Figure Area"),
                                  tr("Figure Perimeter"), tr("Rotation Angle"), tr("Rotation Center X"),
                                  tr("Rotation Center Y")};
    for (int i = 0; i < FigureReadingCount; ++i) {
        m_figureLabels[i] = addLabel(QString(), readingFont, figureTips[i]);
        if (i == FigureHeight)
            m_extraSideLabel = addLabel(QString(), readingFont, QString());
    }
    m_noticeLabel = addLabel(QString(), readingFont, QString());
    m_noticeLabel->setWordWrap(true);
    m_noticeLabel->hide();
    fitToContent();
}

void InfoPanel::setOwner(PanelFollower *follower)
{
    if (m_owner == follower)
        return;
    if (m_owner)
        disconnect(m_owner, &PanelFollower::textsChanged, this, &InfoPanel::showTexts);
    m_owner = follower;
    if (follower) {
        connect(follower, &PanelFollower::textsChanged, this, &InfoPanel::showTexts);
        setStaysOnTop(follower->ruler().staysOnTop());
    }
}

void InfoPanel::setStaysOnTop(bool onTop)
{
    if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) == onTop)
        return;
    // New flags hide the window.
    const bool shown = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    if (shown)
        show();
}

// Raised or shown, the panel goes beneath the program's open dialogs again. A window manager keeps
// dialogs above the windows of their program; without one, the panel raised as a ruler takes the
// keyboard (after a menu closes, say) would cover the dialog just opened. Once the event is handled,
// so that the panel's own window is in place.
bool InfoPanel::event(QEvent *event)
{
    if ((event->type() == QEvent::ZOrderChange || event->type() == QEvent::Show) && !m_dialogsRaisePending) {
        m_dialogsRaisePending = true;
        QTimer::singleShot(0, this, &InfoPanel::raiseDialogsAbove);
    }
    return QDialog::event(event);
}

void InfoPanel::raiseDialogsAbove()
{
    m_dialogsRaisePending = false;
    if (!isVisible())
        return;
    // The active dialog last, so that it stays the topmost.
    QWidget *active = QApplication::activeWindow();
    QList<QWidget *> dialogs;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window != this && window != active && window->isVisible() && qobject_cast<QDialog *>(window))
            dialogs.append(window);
    }
    if (active && active != this && active->isVisible() && qobject_cast<QDialog *>(active))
        dialogs.append(active);
    for (QWidget *dialog : std::as_const(dialogs))
        dialog->raise();
}

const PanelFollower *InfoPanel::follower() const
{
    return m_owner;
}

QWidget *InfoPanel::owner() const
{
    return m_owner ? m_owner->ruler().window() : nullptr;
}

void InfoPanel::showTexts(const PanelTexts &texts)
{
    // The ruler tells its texts on every change of its state; most leave them as they are.
    if (m_shownTexts && *m_shownTexts == texts)
        return;
    m_shownTexts = texts;
    const PanelReadings &ruler = texts.ruler;
    const QString rulerLines[] = {ruler.left,  ruler.top,    ruler.right, ruler.bottom,
                                  ruler.width, ruler.height, ruler.area,  ruler.perimeter};
    for (int i = 0; i < RulerReadingCount; ++i)
        m_rulerLabels[i]->setText(rulerLines[i]);
    for (auto [label, text] :
         {std::pair{m_deviceSizeLabel, texts.deviceSize}, std::pair{m_noticeLabel, texts.notice}}) {
        label->setText(text);
        label->setVisible(!text.isEmpty());
    }
    if (texts.figureShown)
        showFigureTexts(texts.figure);
    else
        hideFigurePart();
}

void InfoPanel::showFigureTexts(const FigurePanelTexts &texts)
{
    const QString figureLines[] = {texts.width, texts.height,  texts.area,   texts.perimeter,
                                   texts.angle, texts.centerX, texts.centerY};
    for (int i = 0; i < FigureReadingCount; ++i)
        m_figureLabels[i]->setText(figureLines[i]);
    m_figureLabels[FigureHeight]->setVisible(texts.showHeight);

    QString tip;
    switch (texts.sideKind) {
    case FigureReadings::Hypotenuse:
        tip = tr("Hypotenuse Length");
        break;
    case FigureReadings::RhombusSide:
        tip = tr("Rhombus Side Length");
        break;
    case FigureReadings::IsoscelesLeg:
        tip = tr("Isosceles Triangle Leg");
        break;
    default:
        break;
    }
    m_extraSideLabel->setToolTip(texts.showSide ? tip : QString());
    m_extraSideLabel->setText(texts.showSide || texts.sideKind != FigureReadings::NoSide ? texts.side
                                                                                         : QString());
    m_extraSideLabel->setVisible(texts.showSide);

    m_figureHeader->show();
    for (int i = 0; i < FigureReadingCount; ++i) {
        if (i != FigureHeight)
            m_figureLabels[i]->show();
    }
    fitToContent();
}

void InfoPanel::hideFigurePart()
{
    m_figureHeader->hide();
    for (QLabel *label : m_figureLabels)
        label->hide();
    m_extraSideLabel->hide();
    fitToContent();
}

void InfoPanel::fitToContent()
{
    QLayout *box = layout();
    box->activate();
    const QSize content = box->sizeHint();
    const QSize fitted(std::max(kMinimumWidth, content.width()), content.height());
    if (size() != fitted)
        resize(fitted);
}

void InfoPanel::placeBeside(const QRect &ruler, const QRect &screen, PanelSide side, int gap)
{
    m_placement = Placement{ruler, screen, side, gap};
    place();
}

QPoint InfoPanel::wantedPosition() const
{
    return ScreenPlacement::panelPosition(m_placement->ruler, size(), m_placement->screen, m_placement->side,
                                          m_placement->gap);
}

void InfoPanel::place()
{
    if (!m_placement)
        return;
    const QPoint wanted = wantedPosition();
    if (isVisible() && m_desktop &&
        (m_desktop->placeThroughService(winId(), QRect(wanted, size())) ||
         (m_followingDrag && m_desktop->honoursOwnPlacement() && m_desktop->moveWindow(winId(), wanted))))
        return;
    move(wanted);
}

// Where the compositor places windows itself it puts the panel where it likes when the panel shows
// (over the ruler, say): the placement service puts it back beside the ruler.
void InfoPanel::moveEvent(QMoveEvent *event)
{
    QDialog::moveEvent(event);
    if (event->spontaneous() && m_placement && m_desktop && pos() != wantedPosition())
        m_desktop->placeThroughService(winId(), QRect(wantedPosition(), size()));
}

void InfoPanel::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    place();
}

void InfoPanel::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kOutlineColor, 1));
    painter.drawRect(QRect(0, 0, width() - 2, height() - 2));
}

void InfoPanel::mousePressEvent(QMouseEvent *event)
{
    if (!m_owner)
        return;
    m_owner->ruler().beginDrag();
    m_pressOffset = event->globalPosition().toPoint() - m_owner->ruler().frame().topLeft();
}

void InfoPanel::mouseMoveEvent(QMouseEvent *event)
{
    if (m_owner && (event->buttons() & Qt::LeftButton))
        m_owner->ruler().dragTo(event->globalPosition().toPoint() - m_pressOffset);
}

void InfoPanel::mouseReleaseEvent(QMouseEvent *)
{
    if (m_owner) {
        m_owner->ruler().endDrag();
        QWidget *window = m_owner->ruler().window();
        window->activateWindow();
        window->setFocus();
    }
}
