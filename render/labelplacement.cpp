// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "render/labelplacement.h"

#include <QRectF>

namespace LabelPlacement {

namespace {

// Every place of every label, and which of them cover each other, worked out once.
class Conflicts
{
public:
    explicit Conflicts(const QList<Places> &labels) : m_labels(labels)
    {
        for (const Places &places : labels) {
            m_first.append(m_boxes.size());
            m_boxes.append(places);
        }
        const qsizetype count = m_boxes.size();
        m_covers.fill(false, count * count);
        for (qsizetype a = 0; a < count; ++a) {
            for (qsizetype b = a + 1; b < count; ++b)
                m_covers[a * count + b] = m_covers[b * count + a] = covers(m_boxes.at(a), m_boxes.at(b));
        }
    }

    // The first choice, in the order of the labels and their places, that puts every label in `shown`
    // somewhere and leaves the others out; false where there is none.
    bool firstChoice(const QList<bool> &shown, QList<int> &choice) const
    {
        choice.fill(kGivesWay, m_labels.size());
        return placeFrom(0, shown, choice);
    }

private:
    qsizetype index(qsizetype label, int place) const { return m_first.at(label) + place; }

    bool fits(qsizetype label, int place, const QList<int> &choice) const
    {
        const qsizetype count = m_boxes.size();
        const qsizetype box = index(label, place);
        for (qsizetype other = 0; other < label; ++other) {
            if (choice.at(other) != kGivesWay && m_covers.at(box * count + index(other, choice.at(other))))
                return false;
        }
        return true;
    }

    bool placeFrom(qsizetype label, const QList<bool> &shown, QList<int> &choice) const
    {
        if (label == m_labels.size())
            return true;
        if (!shown.at(label))
            return placeFrom(label + 1, shown, choice);
        for (int place = 0; place < m_labels.at(label).size(); ++place) {
            if (!fits(label, place, choice))
                continue;
            choice[label] = place;
            if (placeFrom(label + 1, shown, choice))
                return true;
        }
        choice[label] = kGivesWay;
        return false;
    }

    const QList<Places> &m_labels;
    QList<qsizetype> m_first;
    QList<QPolygonF> m_boxes;
    QList<bool> m_covers;
};

} // namespace

bool covers(const QPolygonF &a, const QPolygonF &b)
{
    // Most pairs lie far apart: their bounding boxes tell at once.
    if (!a.boundingRect().intersects(b.boundingRect()))
        return false;
    if (a.size() == 5 && b.size() == 5 && a.isClosed() && b.isClosed() && a == QPolygonF(a.boundingRect()) &&
        b == QPolygonF(b.boundingRect()))
        return true;
    return a.intersects(b);
}

QList<int> choose(const QList<Places> &labels)
{
    const Conflicts conflicts(labels);
    QList<bool> shown(labels.size(), false);
    QList<int> choice;
    // Most important first: a label is shown when it fits together with all shown before it.
    for (qsizetype label = 0; label < labels.size(); ++label) {
        if (labels.at(label).isEmpty())
            continue;
        shown[label] = true;
        if (!conflicts.firstChoice(shown, choice))
            shown[label] = false;
    }
    conflicts.firstChoice(shown, choice);
    return choice;
}

} // namespace LabelPlacement
