// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "platform/desktop.h"
#include "ruler/panel/paneltexts.h"
#include "ruler/placement/screenplacement.h"

#include <QDialog>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QString>
#include <array>
#include <optional>

class PanelFollower;
class QLabel;

// The information panel beside the active ruler: lists the ruler's and the flying figure's readings.
// The owner ruler sends the texts as its state changes; its move handling places the panel.
class InfoPanel : public QDialog
{
    Q_OBJECT
public:
    // The face that stands in for the panel's "Lucida Grande" on Linux.
    static constexpr const char *kFontFamily = "DejaVu Sans";
    static constexpr int kFontPixelSize = 14;

    enum RulerReading
    {
        Left,
        Top,
        Right,
        Bottom,
        Width,
        Height,
        Area,
        Perimeter,
        RulerReadingCount
    };
    enum FigureReading
    {
        FigureWidth,
        FigureHeight,
        FigureArea,
        FigurePerimeter,
        RotationAngle,
        RotationCenterX,
        RotationCenterY,
        FigureReadingCount
    };

    explicit InfoPanel(QWidget *parent = nullptr);

    // The ruler the panel describes: it listens to that ruler's texts alone, and a drag on the panel
    // moves that ruler.
    void setOwner(PanelFollower *follower);
    const PanelFollower *follower() const;
    QWidget *owner() const;

    // Writes the texts into the labels, shows or hides the figure's part and fits the panel to what it
    // shows. The ruler's part is always written.
    void showTexts(const PanelTexts &texts);

    // Puts the panel beside the ruler's frame, on the ruler's screen (see ScreenPlacement::panelPosition).
    // The panel keeps to that place as its size follows its content.
    void placeBeside(const QRect &ruler, const QRect &screen, PanelSide side, int gap);
    // Where the desktop places windows itself, the panel asks its placement service for that place.
    void setDesktop(Desktop *desktop) { m_desktop = desktop; }
    // While its owner is dragged, the panel follows it the desktop's cheaper way (Desktop::moveWindow).
    void setFollowingDrag(bool following) { m_followingDrag = following; }

    // Stays above other programs' windows exactly while its owner ruler does, so that it never hides
    // under the ruler it describes nor stays above the others when the owner does not.
    void setStaysOnTop(bool onTop);

    QLabel *rulerLabel(RulerReading reading) const { return m_rulerLabels.at(reading); }
    QLabel *figureLabel(FigureReading reading) const { return m_figureLabels.at(reading); }
    QLabel *extraSideLabel() const { return m_extraSideLabel; }
    QLabel *figureHeader() const { return m_figureHeader; }
    QLabel *deviceSizeLabel() const { return m_deviceSizeLabel; }
    QLabel *noticeLabel() const { return m_noticeLabel; }

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void showFigureTexts(const FigurePanelTexts &texts);
    void hideFigurePart();
    void fitToContent();
    void place();
    QPoint wantedPosition() const;
    void raiseDialogsAbove();

    // Where placeBeside() put the panel.
    struct Placement
    {
        QRect ruler;
        QRect screen;
        PanelSide side = PanelSide::Right;
        int gap = 0;
    };
    std::optional<Placement> m_placement;
    QPointer<Desktop> m_desktop;
    bool m_followingDrag = false;
    QPointer<PanelFollower> m_owner;
    QPoint m_pressOffset;
    std::array<QLabel *, RulerReadingCount> m_rulerLabels{};
    std::array<QLabel *, FigureReadingCount> m_figureLabels{};
    QLabel *m_extraSideLabel = nullptr;
    QLabel *m_deviceSizeLabel = nullptr;
    QLabel *m_noticeLabel = nullptr;
    QLabel *m_rulerHeader = nullptr;
    QLabel *m_figureHeader = nullptr;
    // What the labels show, once they were given texts.
    std::optional<PanelTexts> m_shownTexts;
    bool m_dialogsRaisePending = false;
};
