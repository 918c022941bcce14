// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "storevalues.h"
#include "testsupport.h"

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
    void colours_data();
    void colours();
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

void TestStoreValues::colours_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QColor>("expected");
    QTest::newRow("absent") << QVariant() << QColor(1, 2, 3, 4);
    QTest::newRow("colour with alpha") << QVariant(QColor(10, 20, 30, 40)) << QColor(10, 20, 30, 40);
    QTest::newRow("colour name") << QVariant("#0a141e") << QColor(10, 20, 30);
    QTest::newRow("garbage gives an invalid colour") << QVariant("abc") << QColor();
    QTest::newRow("number gives an invalid colour") << QVariant(12) << QColor();
}

void TestStoreValues::colours()
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
