// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "app/rulerhub.h"
#include "app/translations.h"
#include "figure/copiedreadings.h"
#include "figure/figurefixture.h"
#include "figure/figurereadings.h"
#include "prefs/preferencesdialog.h"
#include "prefs/unittablerules.h"
#include "prefs/updatecheck.h"
#include "ruler/commands/mnemonics.h"
#include "ruler/commands/rulermenu.h"
#include "ruler/window/rulerwindow.h"
#include "testsupport.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <QXmlStreamReader>
#include <memory>

// The whole program runs as a user with LANG=de_DE.UTF-8 would run it.

namespace {

// The catalogues that main() loaded for the user's locale, as the program does.
QStringList loadedAtStart;

// Every entry text and submenu title of a ruler's context menu, depth first, as the user reads it: the
// mnemonic markers that the menu puts into its entries are taken out.
QStringList menuTexts(const QMenu *menu)
{
    QStringList texts;
    for (const QAction *action : menu->actions()) {
        if (action->isSeparator())
            continue;
        if (const QMenu *submenu = action->menu()) {
            texts.append(Mnemonics::strip(submenu->title()));
            texts.append(menuTexts(submenu));
        } else {
            texts.append(Mnemonics::strip(action->text()));
        }
    }
    return texts;
}

struct Message
{
    QString context;
    QString source;
    QString translation;
    QString type; // "unfinished", "vanished", "obsolete" or empty for a finished entry
};

QList<Message> readCatalogue(const QString &path)
{
    QList<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement()) {
            xml.readNext();
            continue;
        }
        if (xml.name() == QLatin1String("TS") || xml.name() == QLatin1String("context")) {
            continue;
        } else if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            message = Message{context, {}, {}, {}};
        } else if (xml.name() == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            message.translation = xml.readElementText();
            messages.append(message);
        } else {
            xml.skipCurrentElement();
        }
    }
    return messages;
}

// The placeholders of a text, in order of their numbers: "%1 … %2" and "%2 … %1" both give {1, 2}.
QList<int> placeholders(const QString &text)
{
    static const QRegularExpression placeholder(QStringLiteral("%(\\d)"));
    QList<int> numbers;
    for (const QRegularExpressionMatch &match : placeholder.globalMatch(text))
        numbers.append(match.captured(1).toInt());
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

// The white space that a text begins and ends with: texts are joined to others, so it must survive.
QPair<QString, QString> margins(const QString &text)
{
    static const QRegularExpression lead(QStringLiteral("^\\s*")), trail(QStringLiteral("\\s*$"));
    return {lead.match(text).captured(), trail.match(text).captured()};
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void germanMenus_data();
    void germanMenus();
    void everyMenuEntryIsTranslated();
    void toolkitDialogsSpeakGerman();
    void updateMessagesSpeakGerman();
    void preferencesSpeakGerman();
    void englishLeavesTextsAlone();
    void readingsSpeakGerman_data();
    void readingsSpeakGerman();
    void unitNamesStayStoredInEnglish();
    void catalogue_data();
    void catalogue();

private:
    static QStringList rulerMenuTexts();
};

void TestTranslations::initTestCase()
{
    // main() loads the translations for the user's locale, the same way as the program.
    QCOMPARE(QLocale().language(), QLocale::German);
    QCOMPARE(loadedAtStart, (QStringList{QStringLiteral("gradora"), QStringLiteral("qtbase")}));
}

QStringList TestTranslations::rulerMenuTexts()
{
    TestSupport::clearStore();
    RulerHub hub;
    hub.preferences()->setValue(ProgramSetting::ShowInfoPanel, false);
    const RulerWindow &ruler = *hub.createRuler();
    QStringList texts = menuTexts(ruler.menu()->contextMenu());
    // The unit entries show the names in the unit tables, which are the user's data, in any language;
    // only the factory units' names are the program's.
    QStringList factoryNames;
    for (const UnitTableRules::FactoryRow &row : UnitTableRules::defaultUnits())
        factoryNames.append(row.first());
    for (const TextGrid *grid : {&hub.preferences()->unitCells(Preferences::UnitTable::Physical),
                                 &hub.preferences()->unitCells(Preferences::UnitTable::PixelBased)}) {
        for (const auto &row : *grid) {
            if (!factoryNames.contains(row[0]))
                texts.removeAll(row[0]);
        }
    }
    return texts;
}

void TestTranslations::germanMenus_data()
{
    QTest::addColumn<QString>("german");
    QTest::newRow("New Ruler") << "Neues Lineal";
    QTest::newRow("Show Guides") << "Hilfslinien zeigen";
    QTest::newRow("View") << "Ansicht";
    QTest::newRow("Unit") << "Einheit";
    QTest::newRow("Tools") << "Werkzeuge";
    QTest::newRow("Flying Figure") << "Fliegende Figur";
    QTest::newRow("Preferences") << "Einstellungen";
    QTest::newRow("About Gradora") << "Über Gradora";
    QTest::newRow("Quit") << "Beenden";
    // The factory units keep their English names in the settings file and show German ones.
    QTest::newRow("Inches") << "Zoll";
    QTest::newRow("Centimeters") << "Zentimeter";
    QTest::newRow("Points") << "Punkte";
}

void TestTranslations::germanMenus()
{
    QFETCH(QString, german);
    const QStringList texts = rulerMenuTexts();
    QVERIFY2(texts.contains(german), qPrintable(texts.join(QStringLiteral(" | "))));
    QVERIFY(!texts.contains(QString::fromLatin1(QTest::currentDataTag())));
}

void TestTranslations::everyMenuEntryIsTranslated()
{
    // The same menu in English and in German, entry by entry; only names stay as they are.
    const QStringList german = rulerMenuTexts();
    Translations::install(QLocale::c());
    const QStringList english = rulerMenuTexts();
    Translations::install(QLocale());
    QCOMPARE(german.size(), english.size());
    const QStringList sameInBothLanguages{QStringLiteral("Ellipse"), QStringLiteral("Proportional")};
    static const QRegularExpression noWords(QStringLiteral("^[^A-Za-z]*$"));
    QStringList untranslated;
    for (qsizetype i = 0; i < english.size(); ++i) {
        if (german.at(i) == english.at(i) && !sameInBothLanguages.contains(english.at(i)) &&
            !noWords.match(english.at(i)).hasMatch())
            untranslated.append(english.at(i));
    }
    QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(QStringLiteral(" | "))));
}

void TestTranslations::toolkitDialogsSpeakGerman()
{
    QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Abbrechen"));
}

void TestTranslations::updateMessagesSpeakGerman()
{
    QCOMPARE(UpdateCheck::prompt(UpdateCheck::Message::UpToDate, 6.0f).text,
             QStringLiteral("Sie verwenden die neueste Version von Gradora"));
    QVERIFY(UpdateCheck::prompt(UpdateCheck::Message::NewerOnRequest, 7.0f)
                .text.startsWith(QStringLiteral("Eine neue Version ist verfügbar.\n\nIhre Version: 6.0")));
}

void TestTranslations::preferencesSpeakGerman()
{
    TestSupport::clearStore();
    Preferences preferences;
    const PreferencesDialog dialog(&preferences);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Einstellungen"));
    QCOMPARE(dialog.findChild<QTabWidget *>(QStringLiteral("pageTabs"))->tabText(0),
             QStringLiteral("Tastenkürzel"));
    QCOMPARE(QCoreApplication::translate("PreferencesDialog", UnitTableRules::kNotNumericMessage),
             QStringLiteral("Bitte geben Sie hier eine Zahl ein."));
}

void TestTranslations::englishLeavesTextsAlone()
{
    for (const char *name : {"en_US", "C", "fr_FR"}) {
        QCOMPARE(Translations::install(QLocale(QLatin1String(name))).contains(QStringLiteral("gradora")),
                 false);
        QCOMPARE(QCoreApplication::translate("RulerWindow", "New Ruler"), QStringLiteral("New Ruler"));
    }
    Translations::install(QLocale());
    QCOMPARE(QCoreApplication::translate("RulerWindow", "New Ruler"), QStringLiteral("Neues Lineal"));
}

void TestTranslations::readingsSpeakGerman_data()
{
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("german");
    FigureUnits megapixels;
    megapixels.megapixels = true;
    const FigureModel rectangle = FigureFixture::created(FigureKind::CornerRectangle, 30.25);
    const FigureReadings figure = FigureReadings::measure(rectangle, {}, {FigureFixture::kWindow});
    const FigureReadings figureInMegapixels =
        FigureReadings::measure(rectangle, megapixels, {FigureFixture::kWindow});
    const ReadingScale pixels;
    const ReadingScale centimetres{false, 37.8, 37.8, QStringLiteral("cm")};
    const QRect window(10, 20, 500, 300);

    QTest::newRow("figure's area line") << figure.areaLine() << "Fläche: 150000 px² | Umfang: 1600 px";
    QTest::newRow("figure's angle in the panel") << figure.panelTexts().angle << "Winkel: 30,25°";
    QTest::newRow("figure's area in megapixels") << figureInMegapixels.panelTexts().area << "F: 0,150 MP ";
    QTest::newRow("ruler's area in megapixels")
        << ReadingText::rulerReadings(window.size(), pixels, true).areaText << "Fläche: 0,150 MP ";
    QTest::newRow("ruler's width in centimetres")
        << ReadingText::rulerReadings(window.size(), centimetres, false).widthText << "← 13,23 cm →";
    QTest::newRow("panel's area in megapixels")
        << ReadingText::panelReadings(window, pixels, true).area << "F: 0,150 MP ";
    QTest::newRow("panel's width in centimetres")
        << ReadingText::panelReadings(window, centimetres, false).width << "B: 13,23 cm ";
    QTest::newRow("panel's top edge") << ReadingText::panelReadings(window, pixels, false).top << "O: 20";
    // The clipboard writes what the ruler and the panel show.
    QTest::newRow("copied readings")
        << CopiedReadings::text(
               window.size(), centimetres,
               CopiedReadings::Figure{CopiedReadings::kindName(rectangle), figureInMegapixels}, QLocale())
        << "13,23 × 7,94 cm\nRechteck | ↔1: 500 px | ↔2: 300 px | Winkel: 30,25° | F: 0,150 MP | U: 1600 px";
}

void TestTranslations::readingsSpeakGerman()
{
    QFETCH(QString, shown);
    QFETCH(QString, german);
    QCOMPARE(shown, german);
}

void TestTranslations::unitNamesStayStoredInEnglish()
{
    TestSupport::clearStore();
    Preferences preferences;
    QCOMPARE(preferences.unitCells(Preferences::UnitTable::Physical)[0][0], QStringLiteral("Inches"));
    QCOMPARE(UnitTableRules::shownUnitName(QStringLiteral("Inches")), QStringLiteral("Zoll"));
    QCOMPARE(UnitTableRules::shownUnitName(QStringLiteral("Zoll")), QStringLiteral("Zoll"));
    QCOMPARE(UnitTableRules::shownUnitName(QStringLiteral("My inches")), QStringLiteral("My inches"));
}

void TestTranslations::catalogue_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("translation");
    QTest::addColumn<QString>("type");
    const QList<Message> messages =
        readCatalogue(QStringLiteral(GRADORA_SOURCE_DIR "/translations/gradora_de.ts"));
    QVERIFY(messages.size() > 200);
    for (const Message &message : messages) {
        QString tag = message.context + QStringLiteral(": ") + message.source.left(40);
        tag.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
        QTest::newRow(qPrintable(tag)) << message.source << message.translation << message.type;
    }
}

void TestTranslations::catalogue()
{
    QFETCH(QString, source);
    QFETCH(QString, translation);
    QFETCH(QString, type);
    // Refreshed from the sources with: cmake --build <build folder> --target update_translations
    QVERIFY2(type.isEmpty(), "unfinished or vanished: translate it, or refresh the catalogue");
    QVERIFY(!translation.isEmpty());
    QCOMPARE(placeholders(translation), placeholders(source));
    QCOMPARE(margins(translation), margins(source));
}

int main(int argc, char **argv)
{
    TestSupport::isolateUserFiles();
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"})
        qunsetenv(variable);
    qputenv("LANG", "de_DE.UTF-8");
    QApplication app(argc, argv);
    TestSupport::setIdentity();
    TestTranslations test;
    loadedAtStart = Translations::install(QLocale());
    return QTest::qExec(&test, argc, argv);
}

#include "tst_translations.moc"
