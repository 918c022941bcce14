// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "process/processdriver.h"
#include "testsupport.h"

#include <QTest>

// The readings on the real X clipboard: Ctrl+C on a ruler makes the program own the CLIPBOARD
// selection, and another program reads it while Gradora runs (the text lives only as long as its owner).
class TestClipboard : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void ctrlCPutsTheReadingsOnTheXClipboard();

private:
    // The CLIPBOARD selection as another client reads it; empty while nobody owns it.
    static QString clipboardText()
    {
        QProcess xclip;
        xclip.start(QStringLiteral("xclip"),
                    {QStringLiteral("-o"), QStringLiteral("-selection"), QStringLiteral("clipboard")});
        xclip.waitForFinished(10000);
        return QString::fromUtf8(xclip.readAllStandardOutput());
    }
};

// The program speaks English with a decimal point, whatever the machine's language.
void TestClipboard::initTestCase()
{
    qputenv("LC_ALL", "C.UTF-8");
    qunsetenv("LANGUAGE");
}

void TestClipboard::ctrlCPutsTheReadingsOnTheXClipboard()
{
    ProcessDriver driver;
    QProcess *gradora = driver.start();
    const QString ruler = ProcessDriver::rulerWindow(gradora);
    QVERIFY(!ruler.isEmpty());
    QVERIFY(
        ProcessDriver::waitFor([&] { return ProcessDriver::geometryOf(ruler) == QRect(0, 0, 640, 480); }));

    QString copied;
    QVERIFY(ProcessDriver::pressUntil(ruler, QStringLiteral("ctrl+c"), [&] {
        copied = clipboardText();
        return !copied.isEmpty();
    }));
    // A new ruler shows the flying ruler: its readings follow the ruler's size.
    const QStringList lines = copied.split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines.first(), QStringLiteral("640 \u00D7 480 px"));
    QVERIFY2(lines.last().startsWith(QStringLiteral("Ruler | \u21941: ")), qPrintable(lines.last()));
    QVERIFY2(lines.last().contains(QStringLiteral(" | Angle: ")), qPrintable(lines.last()));

    QVERIFY(ProcessDriver::pressUntilFinished(gradora, ruler, QStringLiteral("alt+q")));
    QCOMPARE(gradora->exitCode(), 0);
}

GRADORA_TEST_GUILESS_MAIN(TestClipboard)
#include "tst_clipboard.moc"
