// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "prefs/unittablerules.h"

#include "prefs/textgrid.h"

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

QList<FactoryRow> defaultUnits()
{
    return {
        {QStringLiteral("Inches"), QStringLiteral("in"), QStringLiteral("1"), QStringLiteral("8")},
        {QStringLiteral("Centimeters"), QStringLiteral("cm"), QStringLiteral("2.54"), QStringLiteral("10")},
        {QStringLiteral("Millimeters"), QStringLiteral("mm"), QStringLiteral("25.4"), QStringLiteral("1")},
        {QStringLiteral("Points"), QStringLiteral("pt"), QStringLiteral("72"), QStringLiteral(".1")}};
}

QList<FactoryRow> sampleUnits()
{
    return {{QStringLiteral("1cm = 100px"), QStringLiteral("cm"), QStringLiteral("100"),
             QStringLiteral("100"), QStringLiteral("1")},
            {QStringLiteral("1mm = 10px"), QStringLiteral("mm"), QStringLiteral("10"), QStringLiteral("10"),
             QStringLiteral(".5")}};
}

} // namespace UnitTableRules
