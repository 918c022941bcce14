// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QImage>
#include <QPaintDevice>
#include <QRegion>
#include <QSize>

#include <memory>
#include <optional>

class InkMaskEngine;

// A paint device that keeps where a painter draws, as the region a user can see and grab, instead of
// colours: strokes and filled shapes reach kStrokeReach beyond their ink on either side (whatever their
// pen, dashes included), texts cover their boxes (the boxes an opaque text background fills), pictures and
// filled areas their areas. region() gives the marked pixels in the device's coordinates. Clipping and
// composition modes are ignored: a mask a little larger than the ink does no harm. The window's own body fill
// must not be painted into it.
class InkMask : public QPaintDevice
{
public:
    static constexpr int kStrokeReach = 3;

    explicit InkMask(QSize size, int dpi = 96);
    ~InkMask() override;

    QPaintEngine *paintEngine() const override;

    // Marks a rectangle directly, outside any painter.
    void mark(const QRect &rect);
    // The marked pixels as a region: one rectangle per run of a row, rows with equal runs joined.
    QRegion region() const;
    const QImage &marks() const { return m_marks; }

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    QImage m_marks;
    int m_dpi;
    std::unique_ptr<InkMaskEngine> m_engine;
};
