// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QHash>
#include <QString>
#include <utility>

// The advances of texts, each measured once with `Metrics` (QFontMetrics or QFontMetricsF): readings
// come back from pass to pass, and measuring a text shapes it again. At most `limit` texts are kept;
// beyond them the memory starts afresh.
template <typename Metrics>
class MeasuredAdvances
{
public:
    using Advance = decltype(std::declval<Metrics>().horizontalAdvance(QString()));

    MeasuredAdvances(const Metrics &metrics, qsizetype limit) : m_metrics(metrics), m_limit(limit) {}

    Advance operator()(const QString &text)
    {
        const auto found = m_measured.constFind(text);
        if (found != m_measured.cend())
            return *found;
        if (m_measured.size() >= m_limit)
            m_measured.clear();
        return *m_measured.insert(text, m_metrics.horizontalAdvance(text));
    }

private:
    Metrics m_metrics;
    qsizetype m_limit;
    QHash<QString, Advance> m_measured;
};
