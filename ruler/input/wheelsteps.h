// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QPoint>

// Turns of the mouse wheel, or the smooth scrolling of a touchpad, made into the value that a ruler
// acts on (pixels to grow, degrees to turn, hundredths to scale).
//
// - One step is 120 units of the toolkit's angle delta (eighths of a degree: 15 degrees a notch).
// - The turn is read from whichever axis carries it: on X11 the toolkit reports a vertical wheel
//   turned with Alt held as a horizontal one. Where both axes move, the larger counts (the vertical
//   one on a tie).
// - Deltas smaller than a step add up until they make whole steps; a turn the other way drops what
//   was left over.
// - Whole steps add to the accumulated value, which grows while the direction stays (repeated turns
//   accelerate) and starts again at the new steps when the direction changes: one notch up and one
//   down give 1, then -1.
class WheelSteps
{
public:
    static constexpr int kUnitsPerStep = 120;

    // Takes one wheel event's angle delta; answers the accumulated value to act on, or 0 while the
    // turn has not yet made a whole step.
    int turn(const QPoint &angleDelta);
    int accumulated() const { return m_accumulated; }
    // Starts afresh, as a newly pressed modifier key does.
    void reset();

private:
    int m_partial = 0;
    int m_accumulated = 0;
};
