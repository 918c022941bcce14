// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "prefs/textgrid.h"
#include "render/unitscale.h"
#include "ruler/window/colortarget.h"
#include "prefs/ruleroptions.h"

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>

// What the settings file keeps of a ruler besides its place and its figure. The ruler's state holds
// it as it is, and its record (RulerRecord) carries it whole, so that neither copies it value by value.
struct RulerSettings
{
    RulerOptions options;
    QString pictureFile;
    QColor background;
    QColor rulerColor{111, 33, 55, 255};
    QColor guidesColor{Qt::red};
};

// The state of one ruler that is no part of a window: its options, colours, picture, the unit it
// measures in and the scale of that unit on its display, and whether it fills its screen. The window
// shows it and repaints after a change; the rules below hold for every way a value is set:
// - a colour is always within its limits (limitedColour), so the body never turns wholly clear and
//   the strokes are opaque;
// - the picture and its file go together: no file without a picture, no picture without its file;
// - the chosen unit is one that gives a scale: a unit that cannot falls back to "Pixels".
class RulerState
{
public:
    // The preferences' unit tables and the calibration of the displays, where a unit is looked up.
    struct UnitTables
    {
        const TextGrid &units;
        const TextGrid &pixelUnits;
        const TextGrid &displays;
    };

    const RulerSettings &settings() const { return m_settings; }
    // Takes what the settings file kept: options and colours (within their limits). The picture goes:
    // the window loads the kept file anew.
    void restore(const RulerSettings &kept);

    const RulerOptions &options() const { return m_settings.options; }
    bool option(RulerOption which) const { return m_settings.options.value(which); }
    void setOption(RulerOption which, bool on) { m_settings.options.set(which, on); }
    // Answers the new value.
    bool toggle(RulerOption which) { return m_settings.options.toggle(which); }

    QColor color(ColorTarget target) const;
    void setColor(ColorTarget target, const QColor &color);

    const QImage &picture() const { return m_picture; }
    const QString &pictureFile() const { return m_settings.pictureFile; }
    // Shows `picture`, read from `file`; a null picture (one that could not be read) clears both.
    // Answers whether a picture shows.
    bool setPicture(const QString &file, const QImage &picture);
    void clearPicture() { setPicture(QString(), QImage()); }

    // The unit of the "Unit" menu and its scale on the ruler's display.
    const UnitChoice &unit() const { return m_unit; }
    const UnitScale &scale() const { return m_scale; }
    // Chooses a unit. One that cannot give a scale is refused: the ruler measures in pixels, and the
    // answer is the text that tells the user why (without the pointer to the preferences when `quiet`).
    // Empty when the unit was taken.
    QString chooseUnit(const UnitChoice &unit, const UnitTables &tables, bool quiet);
    // Computes the scale of the chosen unit anew, after a change of the tables or of the display; a
    // unit that no longer gives a scale falls back to pixels, silently. False where it fell back.
    bool recomputeScale(const UnitTables &tables);

    // The display the window stands on, as its last move found it: the one whose calibration the
    // scale takes. Set it, then recompute the scale.
    int display() const { return m_display; }
    void setDisplay(int index) { m_display = index; }

    bool fullScreen() const { return m_fullScreen; }
    // Full screen remembers the geometry the window returns to.
    void enterFullScreen(const QRect &normal);
    // Answers the geometry to return to.
    QRect leaveFullScreen();
    // In full screen, the geometry the window returns to, which the settings file keeps meanwhile.
    const QRect &normalGeometry() const { return m_normalGeometry; }

private:
    UnitScale::Sources sources(const UnitTables &tables) const;

    RulerSettings m_settings;
    QImage m_picture;
    UnitChoice m_unit;
    UnitScale m_scale;
    int m_display = 0;
    bool m_fullScreen = false;
    QRect m_normalGeometry{0, 0, 0, 0};
};
