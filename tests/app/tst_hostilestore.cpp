// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// Hostile settings files against the real start-up: every stored key with values that no version of
// the program writes. Whatever the file holds, the first ruler stands on a screen, large enough to
// use, and what is written back is sane.
#include "app/rulerhub.h"
#include "ruler/geometryrule.h"
#include "ruler/rulerwindow.h"
#include "testsupport.h"

#include <QFile>
#include <QGuiApplication>
#include <QRandomGenerator>
#include <QScreen>

namespace {
// Every key the program reads at start-up, ruler and program-wide, and a sample of the table cells.
const QStringList kKeys{"showMasterPointLines",
                        "zeroAtLeft",
                        "zeroAtBottom",
                        "crossHairVisible",
                        "borderVisible",
                        "flyingFigureVisible",
                        "showRulerReadings",
                        "hoverGuides",
                        "stayOnTop",
                        "selectInvertedAlt",
                        "selectMPix",
                        "snapToScreen",
                        "lockToScreen",
                        "antiAliasing",
                        "leftTickerVisible",
                        "rightTickerVisible",
                        "topTickerVisible",
                        "bottomTickerVisible",
                        "rulerStartsFrom1",
                        "imageFile",
                        "stretchImage",
                        "proportionalImage",
                        "transparentImage",
                        "boldControlPoints",
                        "noControlPoints",
                        "bottmRightLabel",
                        "R_M_Width",
                        "R_M_Height",
                        "R_M_MinimalReadings",
                        "geometry",
                        "background",
                        "rulerColor",
                        "guidesColor",
                        "showOnFigureReadings",
                        "canShowToolbox",
                        "toolboxPosition",
                        "move_normal",
                        "move_more",
                        "resize_normal",
                        "resize_more",
                        "showTopRightMenu",
                        "autoUpdatesEnabled",
                        "lastInformed",
                        "lastCheck",
                        "autoUpdate",
                        "gridSize",
                        "gridActive",
                        "zoom",
                        "initialSize",
                        "position",
                        "clrDlgPosSvd",
                        "clrX",
                        "clrY",
                        "displays_detected",
                        "Program Version",
                        "path",
                        "unit_0_0",
                        "unit_0_1",
                        "unit_3_2",
                        "pb_unit_0_0",
                        "pb_unit_1_1",
                        "display_0_0",
                        "display_0_1",
                        "display_0_2",
                        "display_1_0"};

// The program-wide keys that every save writes.
const QStringList kProgramKeysWritten{"canShowToolbox",
                                      "toolboxPosition",
                                      "showTopRightMenu",
                                      "autoUpdatesEnabled",
                                      "lastInformed",
                                      "autoUpdate",
                                      "gridSize",
                                      "gridActive",
                                      "zoom",
                                      "initialSize",
                                      "position",
                                      "clrDlgPosSvd",
                                      "clrX",
                                      "clrY"};

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
    void startsWithAReachableRuler_data();
    void startsWithAReachableRuler();

private:
    static QString storePath() { return QSettings().fileName(); }
};

void TestHostileStore::startsWithAReachableRuler_data()
{
    QTest::addColumn<QByteArray>("content");
    const QList<QByteArray> values = hostileValues();
    for (const QByteArray &value : values) {
        QTest::newRow(("every key " + value).constData()) << fileWith([&](const QString &) { return value; });
    }
    // Ten megabytes in a unit name, a display name and a geometry.
    for (const char *key : {"unit_0_0", "display_0_0", "geometry"}) {
        QTest::newRow((QByteArray(key) + " ten megabytes").constData())
            << fileWith([key](const QString &name) {
                   return name == QLatin1String(key) ? QByteArray(kTenMegabytes, '9') : QByteArray();
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
        QTest::newRow(qPrintable(QStringLiteral("mixture %1").arg(file))) << fileWith([&](const QString &) {
            const int pick = int(random.bounded(values.size() + 2));
            if (pick == values.size())
                return QByteArray(); // absent
            if (pick == values.size() + 1)
                return QByteArray(int(random.bounded(1, 20000)), char('0' + random.bounded(10)));
            return values.at(pick);
        });
    }
}

void TestHostileStore::startsWithAReachableRuler()
{
    QFETCH(QByteArray, content);
    {
        QFile file(storePath());
        QDir().mkpath(QFileInfo(file).absolutePath());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }

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
        const bool written = kKeys.indexOf(key) < kKeys.indexOf(QLatin1String("showOnFigureReadings")) ||
                             kProgramKeysWritten.contains(key) || key.startsWith(QLatin1String("unit_")) ||
                             key.startsWith(QLatin1String("pb_unit_")) ||
                             key.startsWith(QLatin1String("display_"));
        if (written)
            QVERIFY2(store.value(key).toString().size() <= kSaneValue, qPrintable(key));
    }
}

GRADORA_TEST_MAIN(TestHostileStore)
#include "tst_hostilestore.moc"
