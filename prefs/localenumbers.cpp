// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "prefs/localenumbers.h"

namespace LocaleNumbers {

namespace {
bool isStoredNumber(const QString &text)
{
    bool ok = false;
    QLocale::c().toDouble(text.trimmed(), &ok);
    return ok;
}

// Swaps the signs of one form for those of the other, leaving every digit as it is.
QString swapSigns(const QString &text, const QString &fromPoint, const QString &toPoint,
                  const QString &fromMinus, const QString &toMinus)
{
    QString out = text;
    out.replace(fromPoint, toPoint);
    if (fromMinus != toMinus)
        out.replace(fromMinus, toMinus);
    return out;
}
} // namespace

QString toShown(const QString &stored, const QLocale &locale)
{
    if (!isStoredNumber(stored))
        return stored;
    return swapSigns(stored, QStringLiteral("."), locale.decimalPoint(), QStringLiteral("-"),
                     locale.negativeSign());
}

QString toStored(const QString &typed, const QLocale &locale)
{
    if (isStoredNumber(typed))
        return typed;
    const QString swapped = swapSigns(typed, locale.decimalPoint(), QStringLiteral("."),
                                      locale.negativeSign(), QStringLiteral("-"));
    if (isStoredNumber(swapped))
        return swapped;
    // Digits of another script cannot be kept as typed: the shortest text of the same value then.
    QLocale strict = locale;
    strict.setNumberOptions(locale.numberOptions() | QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = strict.toDouble(typed.trimmed(), &ok);
    return ok ? QLocale::c().toString(value, 'g', QLocale::FloatingPointShortest) : typed;
}

} // namespace LocaleNumbers
