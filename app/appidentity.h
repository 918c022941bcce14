#pragma once

#include <QString>

// The identity under which the settings file is filed. Changing any of these loses the users' settings.
namespace AppIdentity {
inline const QString organizationName = QStringLiteral("gradora.net");
inline const QString organizationDomain = QStringLiteral("gradora.net");
inline const QString applicationName = QStringLiteral("Gradora");
inline const QString applicationVersion = QStringLiteral("6.0");
} // namespace AppIdentity
