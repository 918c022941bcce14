// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "figure/copiedreadings.h"

#include "figure/figurekind.h"
#include "figure/figuremodel.h"
#include "prefs/localenumbers.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

namespace CopiedReadings {

namespace {

QString translated(const char *text)
{
    return QCoreApplication::translate("RulerWindow", text);
}

} // namespace

QString kindName(const FigureModel &model)
{
    if (model.flyingRuler)
        return translated(FigureKinds::row(FigureKind::FlyingRuler).shapeName);
    // The clipboard names a ratio rectangle's shape, as the menu's entries of its kind do.
    if (model.isRatioRectangle())
        return translated(FigureKinds::row(FigureKind::CornerRectangle).shapeName);
    const QString shape = translated(FigureKinds::row(model.kind).shapeName);
    if (isCenterKind(model.kind))
        return translated(QT_TRANSLATE_NOOP("RulerWindow", "Centered %1")).arg(shape);
    return shape;
}

QString localized(const QString &text, const QLocale &locale)
{
    // A number with its sign, fraction and exponent, not glued to a word or another number.
    static const QRegularExpression number(
        QStringLiteral("(?<![\\w.])-?\\d+(?:\\.\\d+)?(?:e[-+]\\d+)?(?![\\w.])"));
    QString out;
    qsizetype done = 0;
    QRegularExpressionMatchIterator matches = number.globalMatch(text);
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        out += text.mid(done, match.capturedStart() - done);
        out += LocaleNumbers::toShown(match.captured(), locale);
        done = match.capturedEnd();
    }
    return out + text.mid(done);
}

QString sizeLine(QSize size, const ReadingScale &scale, const QLocale &locale)
{
    return LocaleNumbers::toShown(ReadingText::lengthX(size.width(), scale), locale) + kTimes +
           LocaleNumbers::toShown(ReadingText::lengthY(size.height(), scale), locale) + QLatin1Char(' ') +
           scale.unitLabel;
}

QString figureLine(const Figure &figure, const QLocale &locale)
{
    const FigurePanelTexts texts = figure.readings.panelTexts();
    QStringList readings{texts.width};
    if (texts.showHeight)
        readings << texts.height;
    if (texts.showSide)
        readings << texts.side;
    readings << texts.angle << texts.area << texts.perimeter;
    // The panel pads its lines; the numbers are localized one reading at a time, so that a unit label
    // never joins the number of the reading after it.
    QStringList parts{figure.kind + figure.readings.ratioSuffix};
    for (const QString &reading : std::as_const(readings))
        parts << localized(reading.trimmed(), locale);
    return parts.join(kSeparator);
}

QString text(QSize size, const ReadingScale &scale, const std::optional<Figure> &figure,
             const QLocale &locale, const QString &sizeNote)
{
    QString copied = sizeLine(size, scale, locale);
    if (!sizeNote.isEmpty())
        copied += QLatin1Char(' ') + sizeNote;
    if (figure)
        copied += QLatin1Char('\n') + figureLine(*figure, locale);
    return copied;
}

} // namespace CopiedReadings
