// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QLatin1StringView>

// Program-wide keys of the settings file.
namespace ProgramKeys {
inline constexpr QLatin1StringView programVersion{"Program Version"};
inline constexpr QLatin1StringView moveNormal{"move_normal"};
inline constexpr QLatin1StringView moveMore{"move_more"};
inline constexpr QLatin1StringView resizeNormal{"resize_normal"};
inline constexpr QLatin1StringView resizeMore{"resize_more"};
inline constexpr QLatin1StringView showTopRightMenu{"showTopRightMenu"};
inline constexpr QLatin1StringView autoUpdatesEnabled{"autoUpdatesEnabled"};
inline constexpr QLatin1StringView canShowToolbox{"canShowToolbox"};
inline constexpr QLatin1StringView toolboxPosition{"toolboxPosition"};
inline constexpr QLatin1StringView lastInformed{"lastInformed"};
inline constexpr QLatin1StringView lastCheck{"lastCheck"};
inline constexpr QLatin1StringView magnifierAutoUpdate{"autoUpdate"};
inline constexpr QLatin1StringView magnifierGridSize{"gridSize"};
inline constexpr QLatin1StringView magnifierGridActive{"gridActive"};
inline constexpr QLatin1StringView magnifierZoom{"zoom"};
inline constexpr QLatin1StringView magnifierInitialSize{"initialSize"};
inline constexpr QLatin1StringView magnifierPosition{"position"};
inline constexpr QLatin1StringView colorDialogPositionSaved{"clrDlgPosSvd"};
inline constexpr QLatin1StringView colorDialogX{"clrX"};
inline constexpr QLatin1StringView colorDialogY{"clrY"};
inline constexpr QLatin1StringView displaysDetected{"displays_detected"};
// The folder the last picture was opened from.
inline constexpr QLatin1StringView pictureFolder{"path"};
// The folder the last picture of a ruler's region was saved to.
inline constexpr QLatin1StringView regionPictureFolder{"regionPictureFolder"};
} // namespace ProgramKeys
