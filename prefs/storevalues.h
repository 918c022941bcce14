// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QColor>
#include <QSettings>
#include <QString>

// Reading typed values from the settings file, each with its default.
//
// Booleans follow the toolkit's conversion rules (any text but "", "0" and "false" is true), as the
// stored files of earlier versions rely on. A number that does not convert gives the default, and a
// colour that does not convert gives an invalid colour.
namespace StoreValues {
bool readBool(const QSettings &store, QLatin1StringView key, bool fallback);
int readInt(const QSettings &store, QLatin1StringView key, int fallback);
float readFloat(const QSettings &store, QLatin1StringView key, float fallback);
QColor readColor(const QSettings &store, QLatin1StringView key, const QColor &fallback);
} // namespace StoreValues
