// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QWidget>
#include <functional>
#include <optional>

class Desktop;
class QTimer;

// The magnifier window: the screen around the pointer, enlarged by its zoom, with an optional pixel grid.
// Live (autoUpdate) it follows the pointer while it is visible; otherwise it shows the screen as it was
// when it was shown or when Space was pressed. Hidden, it does nothing at all. A band along its bottom
// reads out the pixel under the pointer (ColourBand); C copies that colour as "#RRGGBB". The program
// reads and saves its values.
class Magnifier : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kRefreshIntervalMs = 50;

    // Reads the screen through `desktop` (Desktop::readArea). Without a parent it is a window of its
    // own; with one it is a part of that window (the still frame's lens).
    explicit Magnifier(Desktop *desktop, QWidget *parent = nullptr, Qt::WindowFlags flags = {});

    static constexpr int kDefaultZoom = 4;
    static constexpr QSize kDefaultSize{250, 200};

    // The values the program keeps in its settings file, as they were read (a zoom out of range is
    // clamped only where it is used).
    struct Values
    {
        bool autoUpdate = false;
        int gridSize = 1;
        int gridActive = 1;
        int zoom = kDefaultZoom;
    };
    Values values() const { return m_values; }
    void restore(const Values &values);
    // The size the window opens with, applied at once.
    QSize initialSize() const { return m_initialSize; }
    void setInitialSize(const QSize &size);

    // Reads the screen around the pointer now.
    void refresh();
    // Reads the screen around a global position.
    void refreshAt(const QPoint &pointer);
    void setAutoUpdate(bool on);
    void setZoom(int newZoom);
    void setGridActive(bool on);

    // Whether the window follows the pointer right now (only while visible with autoUpdate).
    bool isFollowing() const;
    // Why nothing can be shown, empty when the screen could be read.
    QString problem() const { return m_problem; }
    // The screen area shown and the view rectangle of the pixel under the pointer.
    QRect source() const { return m_source; }
    QRect pointerCell() const { return m_pointerCell; }
    // The colour of the pixel under the pointer as last read; none before a read or when it failed.
    std::optional<QColor> pointerColor() const;
    // Puts the pointer colour on the clipboard as "#RRGGBB"; nothing without one.
    void copyColor();

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void followPointer();
    void updateTimer();
    void updateTitle();
    void drawGrid(QPainter &painter) const;
    void drawColorBand(QPainter &painter) const;

    Desktop *m_desktop = nullptr;
    Values m_values;
    QSize m_initialSize = kDefaultSize;
    QTimer *m_timer = nullptr;
    QImage m_picture; // the grabbed pixels, one per screen pixel
    QImage m_zoomed;  // the same, enlarged without smoothing
    QRect m_source;
    QRect m_pointerCell;
    QPoint m_pointer;
    bool m_hasPointer = false;
    QString m_problem;
    QString m_copiedHex; // the band says "Copied" while it shows this colour
};
