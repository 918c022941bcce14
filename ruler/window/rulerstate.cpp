// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "ruler/window/rulerstate.h"

void RulerState::restore(const RulerSettings &kept)
{
    m_settings = kept;
    for (ColorTarget target : {ColorTarget::Background, ColorTarget::Ruler, ColorTarget::Guides})
        setColor(target, color(target));
    m_picture = QImage();
    m_settings.pictureFile.clear();
}

QColor RulerState::color(ColorTarget target) const
{
    switch (target) {
    case ColorTarget::Background:
        return m_settings.background;
    case ColorTarget::Ruler:
        return m_settings.rulerColor;
    case ColorTarget::Guides:
        return m_settings.guidesColor;
    }
    return {};
}

void RulerState::setColor(ColorTarget target, const QColor &color)
{
    const QColor limited = limitedColor(target, color);
    switch (target) {
    case ColorTarget::Background:
        m_settings.background = limited;
        break;
    case ColorTarget::Ruler:
        m_settings.rulerColor = limited;
        break;
    case ColorTarget::Guides:
        m_settings.guidesColor = limited;
        break;
    }
}

bool RulerState::setPicture(const QString &file, const QImage &picture)
{
    m_picture = file.isEmpty() ? QImage() : picture;
    m_settings.pictureFile = m_picture.isNull() ? QString() : file;
    return !m_picture.isNull();
}

UnitScale::Sources RulerState::sources(const UnitTables &tables) const
{
    return {tables.units, tables.pixelUnits, tables.displays, m_display};
}

QString RulerState::chooseUnit(const UnitChoice &unit, const UnitTables &tables, bool quiet)
{
    const QString refusal = m_scale.setUnit(unit, sources(tables), quiet);
    m_unit = refusal.isEmpty() ? unit : UnitChoice();
    return refusal;
}

bool RulerState::recomputeScale(const UnitTables &tables)
{
    if (m_scale.recomputeScale(m_unit, sources(tables)))
        return true;
    m_unit = UnitChoice();
    return false;
}

void RulerState::enterFullScreen(const QRect &normal)
{
    m_fullScreen = true;
    m_normalGeometry = normal;
}

QRect RulerState::leaveFullScreen()
{
    m_fullScreen = false;
    return m_normalGeometry;
}
