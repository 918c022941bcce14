#include "mnemonics.h"

#include <QAction>
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

// Where the marker goes: a free word start first, then any free letter or digit; -1 for none.
qsizetype choose(const QString &text, const QSet<QChar> &used)
{
    for (const bool wordStartsOnly : {true, false}) {
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text.at(i);
            if (c.isLetterOrNumber() && (!wordStartsOnly || startsWord(text, i)) &&
                !used.contains(c.toLower()))
                return i;
        }
    }
    return -1;
}

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
    QSet<QChar> used;
    QStringList marked;
    for (const QString &text : plainTexts) {
        const qsizetype at = choose(text, used);
        if (at >= 0)
            used.insert(text.at(at).toLower());
        marked.append(withMarker(text, at));
    }
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
        plain.append(entry->isSeparator()
                         ? QString()
                         : unchanged ? entry->property(kPlainProperty).toString() : entry->text());
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
