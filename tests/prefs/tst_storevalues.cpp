// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "prefs/storevalues.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

using namespace StoreValues;

class TestStoreValues : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { TestSupport::clearStore(); }
    void booleans_data();
    void booleans();
    void integers_data();
    void integers();
    void colors_data();
    void colors();
    void storedColorLines_data();
    void storedColorLines();
    void texts_data();
    void texts();
    void floats();
};

static const QLatin1StringView kKey{"someKey"};

void TestStoreValues::booleans_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<bool>("fallback");
    QTest::addColumn<bool>("expected");
    QTest::newRow("absent gives the default true") << QVariant() << true << true;
    QTest::newRow("absent gives the default false") << QVariant() << false << false;
    QTest::newRow("true") << QVariant(true) << false << true;
    QTest::newRow("false") << QVariant(false) << true << false;
    QTest::newRow("text 0") << QVariant("0") << true << false;
    QTest::newRow("text FALSE") << QVariant("FALSE") << true << false;
    QTest::newRow("empty text") << QVariant("") << true << false;
    QTest::newRow("garbage counts as true") << QVariant("abc") << false << true;
    QTest::newRow("number 1") << QVariant(1) << false << true;
}

void TestStoreValues::booleans()
{
    QFETCH(QVariant, stored);
    QFETCH(bool, fallback);
    QFETCH(bool, expected);
    {
        QSettings store;
        if (stored.isValid())
            store.setValue(kKey, stored);
    }
    const QSettings store;
    QCOMPARE(readBool(store, kKey, fallback), expected);
}

void TestStoreValues::integers_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<int>("expected");
    QTest::newRow("absent") << QVariant() << 7;
    QTest::newRow("number") << QVariant(25) << 25;
    QTest::newRow("text") << QVariant("25") << 25;
    QTest::newRow("negative") << QVariant("-3") << -3;
    QTest::newRow("garbage") << QVariant("abc") << 7;
    QTest::newRow("fraction") << QVariant("2.5") << 7;
    QTest::newRow("too large") << QVariant("99999999999999") << 7;
}

void TestStoreValues::integers()
{
    QFETCH(QVariant, stored);
    QFETCH(int, expected);
    {
        QSettings store;
        if (stored.isValid())
            store.setValue(kKey, stored);
    }
    const QSettings store;
    QCOMPARE(readInt(store, kKey, 7), expected);
}

void TestStoreValues::colors_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QColor>("expected");
    QTest::newRow("absent") << QVariant() << QColor(1, 2, 3, 4);
    QTest::newRow("colour with alpha") << QVariant(QColor(10, 20, 30, 40)) << QColor(10, 20, 30, 40);
    QTest::newRow("colour name") << QVariant("#0a141e") << QColor(10, 20, 30);
    QTest::newRow("garbage gives the default") << QVariant("garbage") << QColor(1, 2, 3, 4);
    QTest::newRow("number gives the default") << QVariant(12) << QColor(1, 2, 3, 4);
    QTest::newRow("empty text gives the default") << QVariant("") << QColor(1, 2, 3, 4);
    QTest::newRow("stored invalid colour gives the default") << QVariant(QColor()) << QColor(1, 2, 3, 4);
    QTest::newRow("a rectangle gives the default") << QVariant(QRect(1, 2, 3, 4)) << QColor(1, 2, 3, 4);
    QTest::newRow("a long text gives the default")
        << QVariant(QString(100000, QLatin1Char('a'))) << QColor(1, 2, 3, 4);
}

void TestStoreValues::colors()
{
    QFETCH(QVariant, stored);
    QFETCH(QColor, expected);
    {
        QSettings store;
        if (stored.isValid())
            store.setValue(kKey, stored);
    }
    const QSettings store;
    QCOMPARE(readColor(store, kKey, QColor(1, 2, 3, 4)), expected);
}

void TestStoreValues::storedColorLines_data()
{
    QTest::addColumn<QByteArray>("line"); // the stored value as it stands in the file
    QTest::addColumn<QColor>("expected");
    const QColor fallback(1, 2, 3, 4);
    QTest::newRow("whole") << QByteArray(R"v(@Variant(\0\0\0\x43\x1\xff\xff\x10\x10\x20\x20\x30\x30\0\0))v")
                           << QColor(16, 32, 48);
    QTest::newRow("whole, in quotes")
        << QByteArray(R"v("@Variant(\0\0\0\x43\x1\xff\xff,,,,,,\0\0)")v") << QColor(44, 44, 44);
    // Read whole, these would hand out a colour whose kind is whatever byte came next.
    QTest::newRow("cut after the type") << QByteArray(R"v(@Variant(\0\0\0\x43))v") << fallback;
    QTest::newRow("cut after the type, in quotes") << QByteArray(R"v("@Variant(\0\0\0\x43)")v") << fallback;
    QTest::newRow("cut in the values") << QByteArray(R"v(@Variant(\0\0\0\x43\x1\xff\xff\x10))v") << fallback;
    QTest::newRow("a kind that no colour has")
        << QByteArray(R"v(@Variant(\0\0\0\x43\x29\xff\xff\x10\x10\x20\x20\x30\x30\0\0))v") << fallback;
}

// A damaged colour in the file reads as the default, and the ruler's other keys stay readable.
void TestStoreValues::storedColorLines()
{
    QFETCH(QByteArray, line);
    {
        QFile file(QSettings().fileName());
        QDir().mkpath(QFileInfo(file).absolutePath());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("[General]\nzoom=3\n" + QByteArray(kKey.data(), kKey.size()) + '=' + line + "\nclrX=9\n");
    }
    const QSettings store;
    QTEST(readColor(store, kKey, QColor(1, 2, 3, 4)), "expected");
    QCOMPARE(store.value("zoom").toInt(), 3);
    QCOMPARE(store.value("clrX").toInt(), 9);
}

void TestStoreValues::texts_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("expected");
    QTest::newRow("absent") << QVariant() << QString();
    QTest::newRow("a name") << QVariant("Inch") << QStringLiteral("Inch");
    QTest::newRow("the longest name") << QVariant(QString(256, QLatin1Char('n'))) << QString(256, QLatin1Char('n'));
    QTest::newRow("ten megabytes are cut")
        << QVariant(QString(10 * 1024 * 1024, QLatin1Char('n'))) << QString(256, QLatin1Char('n'));
    QTest::newRow("a list is no name") << QVariant(QStringList{"a", "b"}) << QString();
    QTest::newRow("a rectangle is no name") << QVariant(QRect(1, 2, 3, 4)) << QString();
}

void TestStoreValues::texts()
{
    QFETCH(QVariant, stored);
    {
        QSettings store;
        if (stored.isValid())
            store.setValue(kKey, stored);
    }
    QSettings store;
    QTEST(readText(store, kKey), "expected");
    // What was cut is stored cut: the next save does not carry the rest along.
    if (stored.metaType().id() == QMetaType::QString)
        QTEST(QSettings().value(kKey).toString(), "expected");
    QVERIFY(readText(store, kKey, 3).size() <= 3);
}

void TestStoreValues::floats()
{
    {
        QSettings store;
        store.setValue(kKey, "6.1");
    }
    QCOMPARE(readFloat(QSettings(), kKey, 6.0f), 6.1f);
    QSettings().setValue(kKey, "inf");
    QCOMPARE(readFloat(QSettings(), kKey, 6.0f), 6.0f);
    QSettings().setValue(kKey, "x");
    QCOMPARE(readFloat(QSettings(), kKey, 6.0f), 6.0f);
}

GRADORA_TEST_GUILESS_MAIN(TestStoreValues)
#include "tst_storevalues.moc"
