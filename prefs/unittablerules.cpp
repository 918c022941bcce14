// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "prefs/unittablerules.h"

#include "prefs/textgrid.h"

#include <QCoreApplication>

namespace UnitTableRules {

CellVerdict judgeCell(const QStringList &row, int column, const QString &lastValid)
{
    CellVerdict verdict;
    if (row.mid(kNameColumn + 1).join(QString()).trimmed().isEmpty())
        return verdict;

    QString text = row.value(column);
    if (text.trimmed().isEmpty()) {
        verdict.message = kEmptyFieldMessage;
        verdict.restore = true;
        text = lastValid;
    }
    if (column >= kFirstNumberColumn && !TextCells::toNumber(text)) {
        verdict.message = kNotNumericMessage;
        verdict.restore = true;
    }
    verdict.accepted = verdict.message == nullptr;
    return verdict;
}

namespace {
// The names of the factory units as stored; shown in the user's language.
constexpr const char *kFactoryUnitNames[] = {
    QT_TRANSLATE_NOOP("UnitTableRules", "Inches"), QT_TRANSLATE_NOOP("UnitTableRules", "Centimeters"),
    QT_TRANSLATE_NOOP("UnitTableRules", "Millimeters"), QT_TRANSLATE_NOOP("UnitTableRules", "Points")};
} // namespace

QList<FactoryRow> defaultUnits()
{
    const auto name = [](int row) { return QString::fromLatin1(kFactoryUnitNames[row]); };
    return {{name(0), QStringLiteral("in"), QStringLiteral("1"), QStringLiteral("8")},
            {name(1), QStringLiteral("cm"), QStringLiteral("2.54"), QStringLiteral("10")},
            {name(2), QStringLiteral("mm"), QStringLiteral("25.4"), QStringLiteral("1")},
            {name(3), QStringLiteral("pt"), QStringLiteral("72"), QStringLiteral(".1")}};
}

QString shownUnitName(const QString &stored)
{
    for (const char *factoryName : kFactoryUnitNames) {
        if (stored == QLatin1String(factoryName))
            return QCoreApplication::translate("UnitTableRules", factoryName);
    }
    return stored;
}

QList<FactoryRow> sampleUnits()
{
    return {{QStringLiteral("1cm = 100px"), QStringLiteral("cm"), QStringLiteral("100"),
             QStringLiteral("100"), QStringLiteral("1")},
            {QStringLiteral("1mm = 10px"), QStringLiteral("mm"), QStringLiteral("10"), QStringLiteral("10"),
             QStringLiteral(".5")}};
}

} // namespace UnitTableRules
