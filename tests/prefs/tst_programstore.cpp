// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "prefs/programstore.h"
#include "testsupport.h"

#include <QColor>
#include <QFile>
#include <QRect>
#include <QTest>

// The settings file keeps the toolkit's encodings while writing the keys in the program's order.
class TestProgramStore : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { TestSupport::clearStore(); }
    void valuesRoundTrip_data();
    void valuesRoundTrip();
    void knownKeysFirstInOrder();
};

void TestProgramStore::valuesRoundTrip_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("value");
    QTest::newRow("bool") << "borderVisible" << QVariant(false);
    QTest::newRow("rect") << "geometry" << QVariant(QRect(-10, 20, 300, 200));
    QTest::newRow("colour with alpha") << "background" << QVariant(QColor(1, 2, 3, 4));
    QTest::newRow("size") << "initialSize" << QVariant(QSize(250, 200));
    QTest::newRow("point") << "position" << QVariant(QPoint(-5, 7));
    QTest::newRow("key with a blank") << "Program Version" << QVariant(QStringLiteral("6.0"));
    QTest::newRow("text with specials") << "imageFile" << QVariant(QStringLiteral("/tmp/a b=c;d\"é.png"));
    QTest::newRow("unknown key") << "unit_3_2" << QVariant(QStringLiteral(".1"));
}

void TestProgramStore::valuesRoundTrip()
{
    QFETCH(QString, key);
    QFETCH(QVariant, value);
    QSettings().setValue(key, value);
    QSettings reread;
    QVariant back = reread.value(key);
    QVERIFY(back.convert(value.metaType()));
    QCOMPARE(back, value);
}

void TestProgramStore::knownKeysFirstInOrder()
{
    {
        QSettings store;
        store.setValue("unit_0_0", "Inches");
        store.setValue("zoom", 4);
        store.setValue("guidesColor", QColor(Qt::red));
        store.setValue("showMasterPointLines", true);
    }
    QFile file(QSettings().fileName());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().trimmed().split('\n');
    QCOMPARE(lines.size(), 5);
    QCOMPARE(lines.at(0), QByteArray("[General]"));
    QVERIFY(lines.at(1).startsWith("showMasterPointLines="));
    QVERIFY(lines.at(2).startsWith("guidesColor=@Variant("));
    QCOMPARE(lines.at(3), QByteArray("zoom=4"));
    QCOMPARE(lines.at(4), QByteArray("unit_0_0=Inches"));
}

GRADORA_TEST_MAIN(TestProgramStore)
#include "tst_programstore.moc"
