// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "ruler/commands/mnemonics.h"

#include <QAction>
#include <QHash>
#include <QSet>
#include <QVariant>

namespace Mnemonics {

namespace {
constexpr char kPlainProperty[] = "gradoraPlainText";
constexpr char kLabelledProperty[] = "gradoraLabelledText";

bool startsWord(const QString &text, qsizetype at)
{
    return at == 0 || !text.at(at - 1).isLetterOrNumber();
}

// A character an entry may take (in lower case) and where it stands in the text.
struct Candidate
{
    QChar key;
    qsizetype at;
};

// The characters in the order the entry prefers them: word starts, then (unless only word starts
// are asked for) any letter or digit; each character once, at its first preferred place.
QList<Candidate> candidates(const QString &text, bool wordStartsOnly)
{
    QList<Candidate> found;
    QSet<QChar> seen;
    for (const bool startsOnly : {true, false}) {
        if (!startsOnly && wordStartsOnly)
            break;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar key = text.at(i).toLower();
            if (text.at(i).isLetterOrNumber() && (!startsOnly || startsWord(text, i)) &&
                !seen.contains(key)) {
                seen.insert(key);
                found.append({key, i});
            }
        }
    }
    return found;
}

// Which entry holds which character, and where each entry's marker goes.
class Matching
{
public:
    explicit Matching(const QStringList &texts) : m_texts(texts), m_at(texts.size(), -1) {}

    // Takes a free character of the entry, if it has one.
    bool takeFree(qsizetype entry, bool wordStartsOnly)
    {
        for (const Candidate &c : candidates(m_texts.at(entry), wordStartsOnly)) {
            if (!m_owner.contains(c.key)) {
                give(entry, c);
                return true;
            }
        }
        return false;
    }

    // Frees a character for the entry by moving its holder to another one, and so on down the chain.
    bool takeByMoving(qsizetype entry, QSet<QChar> &visited)
    {
        if (takeFree(entry, false))
            return true;
        for (const Candidate &c : candidates(m_texts.at(entry), false)) {
            if (visited.contains(c.key))
                continue;
            visited.insert(c.key);
            if (takeByMoving(m_owner.value(c.key), visited)) {
                give(entry, c);
                return true;
            }
        }
        return false;
    }

    bool has(qsizetype entry) const { return m_at.at(entry) >= 0; }
    qsizetype at(qsizetype entry) const { return m_at.at(entry); }

private:
    void give(qsizetype entry, const Candidate &c)
    {
        m_owner.insert(c.key, entry);
        m_at[entry] = c.at;
    }

    const QStringList &m_texts;
    QList<qsizetype> m_at;
    QHash<QChar, qsizetype> m_owner;
};

QString withMarker(const QString &text, qsizetype at)
{
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (i == at)
            out += QLatin1Char('&');
        out += text.at(i);
        if (text.at(i) == QLatin1Char('&'))
            out += QLatin1Char('&');
    }
    return out;
}
} // namespace

QStringList assign(const QStringList &plainTexts)
{
    // Each entry in menu order takes a free word start, then a free letter; an entry left without one
    // takes a letter from another entry that can move on to a free one of its own, so that as many
    // entries as possible get a mnemonic.
    Matching matching(plainTexts);
    const qsizetype count = plainTexts.size();
    for (const bool wordStartsOnly : {true, false}) {
        for (qsizetype i = 0; i < count; ++i) {
            if (!matching.has(i))
                matching.takeFree(i, wordStartsOnly);
        }
    }
    for (qsizetype i = 0; i < count; ++i) {
        QSet<QChar> visited;
        if (!matching.has(i))
            matching.takeByMoving(i, visited);
    }
    QStringList marked;
    for (qsizetype i = 0; i < count; ++i)
        marked.append(withMarker(plainTexts.at(i), matching.at(i)));
    return marked;
}

QString strip(const QString &text)
{
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&')) {
            if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('&'))
                ++i;
            else
                continue;
        }
        out += text.at(i);
    }
    return out;
}

QChar marked(const QString &text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('&'))
            continue;
        if (text.at(i + 1) != QLatin1Char('&'))
            return text.at(i + 1);
        ++i;
    }
    return {};
}

void label(const QList<QAction *> &entries)
{
    QStringList plain;
    for (const QAction *entry : entries) {
        const bool unchanged = entry->property(kLabelledProperty).toString() == entry->text();
        plain.append(entry->isSeparator() ? QString()
                     : unchanged          ? entry->property(kPlainProperty).toString()
                                          : entry->text());
    }
    const QStringList texts = assign(plain);
    for (qsizetype i = 0; i < entries.size(); ++i) {
        QAction *entry = entries.at(i);
        if (entry->isSeparator())
            continue;
        entry->setProperty(kPlainProperty, plain.at(i));
        entry->setProperty(kLabelledProperty, texts.at(i));
        entry->setText(texts.at(i));
    }
}

} // namespace Mnemonics
