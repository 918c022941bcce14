// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QColor>
#include <QSettings>
#include <QString>

// Reading typed values from the settings file, each with its default.
//
// Booleans follow the toolkit's conversion rules (any text but "", "0" and "false" is true), as the
// stored files of earlier versions rely on. A number or a colour that does not convert gives the
// default, and so does a stored colour that is not valid.
namespace StoreValues {
bool readBool(const QSettings &store, QLatin1StringView key, bool fallback);
int readInt(const QSettings &store, QLatin1StringView key, int fallback);
float readFloat(const QSettings &store, QLatin1StringView key, float fallback);
QColor readColor(const QSettings &store, QLatin1StringView key, const QColor &fallback);

// Names and table cells: no one types more than this. A longer stored text is cut to it and written
// back cut, so that a damaged file neither slows start-up nor is rewritten whole on every save.
inline constexpr qsizetype kLongestText = 256;
// File paths may be longer than names, never longer than the system allows.
inline constexpr qsizetype kLongestPath = 4096;
QString readText(QSettings &store, QAnyStringView key, qsizetype longest = kLongestText);
} // namespace StoreValues
