// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "storevalues.h"

#include <limits>

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
    const QVariant value = store.value(key, fallback);
    if (value.metaType().id() == QMetaType::QColor)
        return value.value<QColor>();
    // Only a text that names a colour converts; anything else is not a colour.
    if (value.canConvert<QString>()) {
        const QString text = value.toString();
        if (QColor::isValidColorName(text))
            return QColor::fromString(text);
    }
    return QColor();
}

} // namespace StoreValues
