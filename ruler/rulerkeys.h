// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QLatin1StringView>

// Keys of the settings file that every ruler reads and writes (one flat set shared by all rulers).
namespace RulerKeys {
inline constexpr QLatin1StringView showMasterPointLines{"showMasterPointLines"};
inline constexpr QLatin1StringView zeroAtLeft{"zeroAtLeft"};
inline constexpr QLatin1StringView zeroAtBottom{"zeroAtBottom"};
inline constexpr QLatin1StringView crossHairVisible{"crossHairVisible"};
inline constexpr QLatin1StringView borderVisible{"borderVisible"};
inline constexpr QLatin1StringView flyingFigureVisible{"flyingFigureVisible"};
inline constexpr QLatin1StringView showRulerReadings{"showRulerReadings"};
inline constexpr QLatin1StringView hoverGuides{"hoverGuides"};
inline constexpr QLatin1StringView stayOnTop{"stayOnTop"};
inline constexpr QLatin1StringView selectInvertedAlt{"selectInvertedAlt"};
inline constexpr QLatin1StringView selectMPix{"selectMPix"};
inline constexpr QLatin1StringView snapToScreen{"snapToScreen"};
inline constexpr QLatin1StringView lockToScreen{"lockToScreen"};
inline constexpr QLatin1StringView antiAliasing{"antiAliasing"};
inline constexpr QLatin1StringView leftTickerVisible{"leftTickerVisible"};
inline constexpr QLatin1StringView rightTickerVisible{"rightTickerVisible"};
inline constexpr QLatin1StringView topTickerVisible{"topTickerVisible"};
inline constexpr QLatin1StringView bottomTickerVisible{"bottomTickerVisible"};
inline constexpr QLatin1StringView rulerStartsFrom1{"rulerStartsFrom1"};
inline constexpr QLatin1StringView imageFile{"imageFile"};
inline constexpr QLatin1StringView stretchImage{"stretchImage"};
inline constexpr QLatin1StringView proportionalImage{"proportionalImage"};
inline constexpr QLatin1StringView transparentImage{"transparentImage"};
inline constexpr QLatin1StringView boldControlPoints{"boldControlPoints"};
inline constexpr QLatin1StringView noControlPoints{"noControlPoints"};
inline constexpr QLatin1StringView bottmRightLabel{"bottmRightLabel"};
inline constexpr QLatin1StringView R_M_Width{"R_M_Width"};
inline constexpr QLatin1StringView R_M_Height{"R_M_Height"};
inline constexpr QLatin1StringView R_M_MinimalReadings{"R_M_MinimalReadings"};
inline constexpr QLatin1StringView geometry{"geometry"};
inline constexpr QLatin1StringView background{"background"};
inline constexpr QLatin1StringView rulerColor{"rulerColor"};
inline constexpr QLatin1StringView guidesColor{"guidesColor"};
// Read by the rulers, written by nobody or by the preferences.
inline constexpr QLatin1StringView showOnFigureReadings{"showOnFigureReadings"};
inline constexpr QLatin1StringView canShowToolbox{"canShowToolbox"};
inline constexpr QLatin1StringView toolboxPosition{"toolboxPosition"};
} // namespace RulerKeys
