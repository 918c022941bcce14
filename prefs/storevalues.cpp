// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "prefs/storevalues.h"

#include <limits>

namespace {
// "#rrrrggggbbbb" is the longest form a colour text takes; the longest colour names are shorter.
constexpr qsizetype kLongestColorName = 32;
} // namespace

namespace StoreValues {

bool readBool(const QSettings &store, QLatin1StringView key, bool fallback)
{
    return store.value(key, fallback).toBool();
}

int readInt(const QSettings &store, QLatin1StringView key, int fallback)
{
    // Through 64 bits: the variant's own conversion to int silently cuts off larger numbers.
    bool ok = false;
    const qlonglong value = store.value(key, fallback).toLongLong(&ok);
    if (!ok || value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return fallback;
    return int(value);
}

float readFloat(const QSettings &store, QLatin1StringView key, float fallback)
{
    bool ok = false;
    const float value = store.value(key, fallback).toFloat(&ok);
    return ok && qIsFinite(value) ? value : fallback;
}

QColor readColor(const QSettings &store, QLatin1StringView key, const QColor &fallback)
{
    // Anything that is not a valid colour reads as the default, so that a damaged value is not
    // painted black and written back as an invalid colour on every save.
    const QVariant value = store.value(key, fallback);
    if (value.metaType().id() == QMetaType::QColor) {
        const QColor color = value.value<QColor>();
        return color.isValid() ? color : fallback;
    }
    // Only a text that names a colour converts.
    if (value.metaType().id() == QMetaType::QString) {
        const QString text = value.toString();
        if (text.size() <= kLongestColorName && QColor::isValidColorName(text))
            return QColor::fromString(text);
    }
    return fallback;
}

QString readText(QSettings &store, QAnyStringView key, qsizetype longest)
{
    const QVariant value = store.value(key);
    // Only a text is a name; a list or another type reads as nothing stored.
    if (value.metaType().id() != QMetaType::QString)
        return QString();
    QString text = value.toString();
    if (text.size() > longest) {
        text.truncate(longest);
        store.setValue(key, text);
    }
    return text;
}

} // namespace StoreValues
