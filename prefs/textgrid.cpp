#include "textgrid.h"

#include <cmath>

namespace TextCells {

std::optional<double> toNumber(const QString &text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

double toNumberOrZero(const QString &text)
{
    return toNumber(text).value_or(0.0);
}

} // namespace TextCells
