// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QPaintDevice>
#include <QRect>
#include <QSize>

#include <memory>

class InkBoundsEngine;

// A paint device that keeps only the box around everything a painter draws, without drawing it: each
// primitive's bounding box in device coordinates (strokes widened by half their pen and by InkMask's
// reach, texts by their boxes), united. As cheap as the painter's own calls, it tells where a drawing
// lies so that only that part of a window need be painted again. Clipping is ignored.
class InkBounds : public QPaintDevice
{
public:
    explicit InkBounds(QSize size, int dpi = 96);
    ~InkBounds() override;

    QPaintEngine *paintEngine() const override;
    // The box around all that was drawn, whole pixels, within the device; empty when nothing was.
    QRect bounds() const;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    QSize m_size;
    int m_dpi;
    std::unique_ptr<InkBoundsEngine> m_engine;
};
