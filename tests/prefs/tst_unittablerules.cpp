// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "testsupport.h"
#include "prefs/textgrid.h"
#include "prefs/unittablerules.h"

#include <QLocale>
#include <QTest>

using UnitTableRules::judgeCell;

class TestUnitTableRules : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void toNumber_data();
    void toNumber();
    void toNumberIgnoresTheUserLocale();
    void judgeCell_data();
    void judgeCell();
};

void TestUnitTableRules::toNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<double>("value");

    QTest::newRow("whole") << "72" << true << 72.0;
    QTest::newRow("decimal point") << "2.54" << true << 2.54;
    QTest::newRow("leading point") << ".5" << true << 0.5;
    QTest::newRow("blanks around") << " 25.4 " << true << 25.4;
    QTest::newRow("negative") << "-3" << true << -3.0;
    QTest::newRow("exponent") << "1e3" << true << 1000.0;
    QTest::newRow("largest sensible") << "1" + QString(300, '0') << true << 1e300;
    QTest::newRow("letters") << "abc" << false << 0.0;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("decimal comma") << "2,54" << false << 0.0;
    QTest::newRow("inf") << "inf" << false << 0.0;
    QTest::newRow("nan") << "nan" << false << 0.0;
    QTest::newRow("overflowing exponent") << "1e999" << false << 0.0;
    QTest::newRow("thousands of digits") << QString(3000, '9') << false << 0.0;
}

void TestUnitTableRules::toNumber()
{
    QFETCH(QString, text);
    QFETCH(bool, isNumber);
    QFETCH(double, value);
    const std::optional<double> number = TextCells::toNumber(text);
    QCOMPARE(number.has_value(), isNumber);
    QCOMPARE(TextCells::toNumberOrZero(text), value);
}

void TestUnitTableRules::toNumberIgnoresTheUserLocale()
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const std::optional<double> point = TextCells::toNumber(QStringLiteral("2.5"));
    const std::optional<double> comma = TextCells::toNumber(QStringLiteral("2,5"));
    QLocale::setDefault(before);
    QCOMPARE(point.value_or(0), 2.5);
    QVERIFY(!comma);
}

void TestUnitTableRules::judgeCell_data()
{
    QTest::addColumn<QStringList>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("lastValid");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<bool>("restore");
    QTest::addColumn<QString>("message");

    const QString notNumeric = QStringLiteral("Please, type numeric value here.");
    const QString emptyField = QStringLiteral("Field cannot be empty...");

    QTest::newRow("abc as units per inch")
        << QStringList{"Inches", "in", "abc", "8"} << 2 << "1" << false << true << notNumeric;
    QTest::newRow("inf as units per inch")
        << QStringList{"Inches", "in", "inf", "8"} << 2 << "1" << false << true << notNumeric;
    QTest::newRow("emptied ticks of a defined row")
        << QStringList{"Inches", "in", "1", ""} << 3 << "8" << false << true << emptyField;
    QTest::newRow("blank abbreviation of a defined row")
        << QStringList{"Inches", "  ", "1", "8"} << 1 << "in" << false << true << emptyField;
    QTest::newRow("emptied name of a defined row")
        << QStringList{"", "in", "1", "8"} << 0 << "Inches" << false << true << emptyField;
    QTest::newRow("emptied cell whose last text is no number either")
        << QStringList{"Odd", "o", "", "1"} << 2 << "zz" << false << true << notNumeric;
    QTest::newRow("name into an empty row")
        << QStringList{"Furlongs", "", "", ""} << 0 << "" << true << false << "";
    QTest::newRow("2.5 into an empty row")
        << QStringList{"", "", "2.5", ""} << 2 << "" << true << false << "";
    QTest::newRow("x into an empty row")
        << QStringList{"", "", "x", ""} << 2 << "" << false << true << notNumeric;
    QTest::newRow("last cell of a row emptied")
        << QStringList{"Inches", "", "", ""} << 1 << "in" << true << false << "";
    QTest::newRow("abbreviation is free text")
        << QStringList{"Inches", "%%", "1", "8"} << 1 << "in" << true << false << "";
    QTest::newRow("negative and zero pass")
        << QStringList{"Inches", "in", "-0", "-8"} << 3 << "8" << true << false << "";
    QTest::newRow("pixel-based ticks emptied")
        << QStringList{"1cm = 100px", "cm", "100", "100", " "} << 4 << "1" << false << true << emptyField;
}

void TestUnitTableRules::judgeCell()
{
    QFETCH(QStringList, row);
    QFETCH(int, column);
    QFETCH(QString, lastValid);
    QFETCH(bool, accepted);
    QFETCH(bool, restore);
    QFETCH(QString, message);

    const UnitTableRules::CellVerdict verdict = UnitTableRules::judgeCell(row, column, lastValid);
    QCOMPARE(verdict.accepted, accepted);
    QCOMPARE(verdict.restore, restore);
    QCOMPARE(QString::fromLatin1(verdict.message), message);
}

GRADORA_TEST_GUILESS_MAIN(TestUnitTableRules)
#include "tst_unittablerules.moc"
