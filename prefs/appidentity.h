// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QString>

// The identity under which the settings file is filed. Changing any of these loses the users' settings.
namespace AppIdentity {
inline const QString organizationName = QStringLiteral("gradora.net");
inline const QString organizationDomain = QStringLiteral("gradora.net");
inline const QString applicationName = QStringLiteral("Gradora");
inline const QString applicationVersion = QStringLiteral("6.0");
// The reverse-DNS id of the desktop entry, the software-centre metadata and the icon.
inline const QString desktopFileName = QStringLiteral("net.gradora.Gradora");
} // namespace AppIdentity
