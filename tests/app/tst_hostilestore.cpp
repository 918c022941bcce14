// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// Hostile settings files against the real start-up: every stored key with values that no version of
// the program writes. Whatever the file holds, the first ruler stands on a screen, large enough to
// use, and what is written back is sane.
#include "app/rulerhub.h"
#include "prefs/programsettings.h"
#include "ruler/placement/geometryrule.h"
#include "prefs/ruleroptions.h"
#include "ruler/window/rulerstore.h"
#include "ruler/window/rulerwindow.h"
#include "testsupport.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRandomGenerator>
#include <QScreen>

namespace {
// Every key the program reads at start-up, ruler and program-wide, and a sample of the table cells.
QStringList everyKey()
{
    QStringList keys = RulerOptionTable::storedKeyOrder();
    for (const RulerOption option : RulerOptionTable::all()) {
        const QLatin1StringView key(RulerOptionTable::entry(option).key);
        if (!key.isEmpty() && !keys.contains(key))
            keys << key;
    }
    keys << RulerStore::kActiveRulerKey;
    for (const ProgramSettingTable::Entry &row : ProgramSettingTable::kTable) {
        if (row.key)
            keys << QLatin1String(row.key);
    }
    keys << QStringList{"unit_0_0",    "unit_0_1",    "unit_3_2",    "pb_unit_0_0", "pb_unit_1_1",
                        "display_0_0", "display_0_1", "display_0_2", "display_1_0"};
    return keys;
}
const QStringList kKeys = everyKey();

constexpr qsizetype kTenMegabytes = 10 * 1024 * 1024;
constexpr qsizetype kSaneValue = 4096; // the longest text the program writes back (a file path)
constexpr int kDefaultRandomFiles = 4;

// Raw values as they would stand after "key=" in the file.
QList<QByteArray> hostileValues()
{
    return {"garbage",
            "",
            "@Rect(1 2 3 4)",
            "nan",
            "-inf",
            "-2147483648",
            "2147483647",
            "@Point(-2147483648 2147483647)",
            "@Size(-1 0)",
            "@Variant(\\0\\0\\0\\x7f\\0)",
            "@Rect(1 2)",
            "\"unterminated",
            "@Rect(2147483647 2147483647 2147483647 2147483647)",
            "@Rect(-2147483648 -2147483648 10 10)",
            "#zzzzzz",
            "1e309",
            "true,false,"};
}

QByteArray fileWith(const std::function<QByteArray(const QString &key)> &valueFor)
{
    QByteArray text("[General]\n");
    for (const QString &key : kKeys) {
        const QByteArray value = valueFor(key);
        if (!value.isNull())
            text += QUrl::toPercentEncoding(key, " ") + '=' + value + '\n';
    }
    return text;
}

// The raw value of each key in a settings file, as it stands after "key=".
QMap<QString, QByteArray> rawValues(const QByteArray &text)
{
    QMap<QString, QByteArray> values;
    for (const QByteArray &line : text.split('\n')) {
        const qsizetype equals = line.indexOf('=');
        if (equals > 0 && !line.startsWith('['))
            values.insert(QUrl::fromPercentEncoding(line.left(equals)), line.mid(equals + 1));
    }
    return values;
}

QByteArray lineOf(const QString &key, const QByteArray &value)
{
    return QUrl::toPercentEncoding(key, " ") + '=' + value + '\n';
}

// A value of the same kind as `stored` that is not it, so that a key read back as its default shows.
QByteArray otherValue(const QByteArray &stored)
{
    bool isNumber = false;
    const int number = stored.toInt(&isNumber);
    if (stored == "true" || stored == "false")
        return stored == "true" ? "false" : "true";
    if (isNumber)
        return QByteArray::number(number + 1);
    if (stored.startsWith("@Rect("))
        return "@Rect(100 120 500 300)";
    if (stored.startsWith("@Size("))
        return "@Size(300 250)";
    if (stored.startsWith("@Point("))
        return "@Point(40 50)";
    if (stored.startsWith("@Variant(") || stored.startsWith("\"@Variant("))
        return "#123456";
    return stored;
}

QList<QRect> screenRects()
{
    QList<QRect> rects;
    for (const QScreen *screen : QGuiApplication::screens())
        rects.append(screen->geometry());
    return rects;
}
} // namespace

class TestHostileStore : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void startsWithAReachableRuler_data();
    void startsWithAReachableRuler();

private:
    static QString storePath() { return QSettings().fileName(); }
    static void writeStore(const QByteArray &content);
    // Starts the program on the file, lets it save and returns what it wrote.
    static QByteArray startAndSave(const QByteArray &content);
    // The valid file, with `valueFor` in place of the valid values where it gives one.
    QByteArray validFileWith(const std::function<QByteArray(const QString &key)> &valueFor) const;

    // What the program writes back unchanged: every key valid, most of them not at their defaults.
    QMap<QString, QByteArray> m_valid;
    // The keys the program writes on its own, from an empty file.
    QStringList m_written;
};

void TestHostileStore::writeStore(const QByteArray &content)
{
    QFile file(storePath());
    QDir().mkpath(QFileInfo(file).absolutePath());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

QByteArray TestHostileStore::startAndSave(const QByteArray &content)
{
    writeStore(content);
    {
        RulerHub hub;
        hub.openFirstRuler();
        hub.rulers().first()->saveSettings();
    }
    QFile file(storePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TestHostileStore::initTestCase()
{
    const QMap<QString, QByteArray> defaults = rawValues(startAndSave(QByteArray()));
    m_written = defaults.keys();
    QByteArray distinct("[General]\n");
    for (const QString &key : kKeys) {
        if (defaults.contains(key))
            distinct += lineOf(key, otherValue(defaults.value(key)));
    }
    const QMap<QString, QByteArray> written = rawValues(startAndSave(distinct));
    for (const QString &key : kKeys) {
        if (written.contains(key))
            m_valid.insert(key, written.value(key));
    }
    // Written once more, the valid file stays as it is.
    QCOMPARE(rawValues(startAndSave(validFileWith([](const QString &) {
                 return QByteArray();
             }))).value("geometry"),
             m_valid.value("geometry"));
    QVERIFY(m_valid.size() > kKeys.size() / 2);
}

QByteArray
TestHostileStore::validFileWith(const std::function<QByteArray(const QString &key)> &valueFor) const
{
    QByteArray text("[General]\n");
    for (auto it = m_valid.cbegin(); it != m_valid.cend(); ++it) {
        const QByteArray value = valueFor(it.key());
        text += lineOf(it.key(), value.isNull() ? it.value() : value);
    }
    return text;
}

void TestHostileStore::startsWithAReachableRuler_data()
{
    QTest::addColumn<QByteArray>("content");
    const QList<QByteArray> values = hostileValues();
    for (const QByteArray &value : values) {
        QTest::newRow(("every key " + value).constData()) << fileWith([&](const QString &) { return value; });
    }
    // One hostile value among valid ones, each in another key.
    for (qsizetype at = 0; at < values.size(); ++at) {
        const QString victim = m_valid.keys().at((at * 7) % m_valid.size());
        QTest::newRow(
            qPrintable(QStringLiteral("valid but %1 %2").arg(victim, QString::fromLatin1(values.at(at)))))
            << validFileWith(
                   [&](const QString &key) { return key == victim ? values.at(at) : QByteArray(); });
    }
    // Ten megabytes in a unit name, a display name and a geometry.
    for (const char *key : {"unit_0_0", "display_0_0", "geometry"}) {
        QTest::newRow((QByteArray(key) + " ten megabytes").constData())
            << validFileWith([key](const QString &name) {
                   return name == QLatin1String(key) ? QByteArray(kTenMegabytes, '9') : QByteArray();
               });
    }
    // One damaged line costs that line only.
    const QByteArray valid = validFileWith([](const QString &) { return QByteArray(); });
    QTest::newRow("a line without =") << valid + "junk\n";
    QTest::newRow("an unterminated section at the end") << valid + "[x";
    QTest::newRow("a byte-order mark") << "\xef\xbb\xbf" + valid;
    QTest::newRow("cut in the last line") << valid.left(valid.size() - 4);
    for (const char *key : {"background", "rulerColor", "guidesColor"}) {
        QTest::newRow((QByteArray(key) + " cut off after its type").constData())
            << validFileWith([key](const QString &name) {
                   return name == QLatin1String(key) ? QByteArray(R"(@Variant(\0\0\0\x43))") : QByteArray();
               });
    }
    QTest::newRow("duplicate sections")
        << fileWith([](const QString &) { return QByteArray("1"); }) +
               fileWith([](const QString &) { return QByteArray("garbage"); });
    QTest::newRow("not an INI file at all") << QByteArray("\x00\xff\xfe[[[=\n=\n\\", 12);

    // Random mixtures from a fixed seed; raise GRADORA_CORPUS_FILES for a longer run by hand.
    QRandomGenerator random(20261208);
    const int files = qEnvironmentVariableIsSet("GRADORA_CORPUS_FILES")
                          ? qEnvironmentVariableIntValue("GRADORA_CORPUS_FILES")
                          : kDefaultRandomFiles;
    for (int file = 0; file < files; ++file) {
        QTest::newRow(qPrintable(QStringLiteral("mixture %1").arg(file)))
            << fileWith([&](const QString &key) {
                   const int pick = int(random.bounded(values.size() + 2));
                   if (pick == values.size())
                       return m_valid.value(key, "1"); // a valid value
                   if (pick == values.size() + 1)
                       return QByteArray(int(random.bounded(1, 20000)), char('0' + random.bounded(10)));
                   return values.at(pick);
               });
    }
}

void TestHostileStore::startsWithAReachableRuler()
{
    QFETCH(QByteArray, content);
    writeStore(content);

    auto hub = std::make_unique<RulerHub>();
    hub->openFirstRuler();
    QCOMPARE(hub->rulers().size(), 1);
    RulerWindow *ruler = hub->rulers().first();
    QVERIFY(ruler->isVisible());
    const QRect shown = ruler->geometry();
    QVERIFY2(shown.width() >= GeometryRule::kMinimumSide && shown.height() >= GeometryRule::kMinimumSide,
             qPrintable(QStringLiteral("%1 x %2").arg(shown.width()).arg(shown.height())));
    // The rule leaves a geometry it gave unchanged: the ruler is reachable and not too large.
    QCOMPARE(GeometryRule::fitted(shown, screenRects()), shown);

    ruler->saveSettings();
    hub.reset();

    QSettings store;
    QCOMPARE(store.status(), QSettings::NoError);
    QCOMPARE(GeometryRule::restored(store.value("geometry"), screenRects()), shown);
    for (const char *key : {"background", "rulerColor", "guidesColor"})
        QVERIFY2(store.value(key).value<QColor>().isValid(), key);
    // What the program writes, and the names it reads, hold sane values again.
    for (const QString &key : kKeys) {
        const bool written = m_written.contains(key) || key.startsWith(QLatin1String("unit_")) ||
                             key.startsWith(QLatin1String("pb_unit_")) ||
                             key.startsWith(QLatin1String("display_"));
        if (written)
            QVERIFY2(store.value(key).toString().size() <= kSaneValue, qPrintable(key));
    }
    // Every valid line of the file holds its value still.
    QFile file(storePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QMap<QString, QByteArray> back = rawValues(file.readAll());
    int kept = 0;
    for (auto it = m_valid.cbegin(); it != m_valid.cend(); ++it) {
        if (!('\n' + content).contains('\n' + lineOf(it.key(), it.value())))
            continue;
        QVERIFY2(back.value(it.key()) == it.value(),
                 qPrintable(QStringLiteral("%1: %2 became %3")
                                .arg(it.key(), QString::fromLatin1(it.value()),
                                     QString::fromLatin1(back.value(it.key()).left(80)))));
        ++kept;
    }
    qDebug("%d valid keys kept", kept);
}

GRADORA_TEST_MAIN(TestHostileStore)
#include "tst_hostilestore.moc"
