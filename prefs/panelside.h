// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

// Which side of the ruler the information panel takes. The values are those the settings file keeps.
enum class PanelSide
{
    Left = 1,
    Right = 2
};
