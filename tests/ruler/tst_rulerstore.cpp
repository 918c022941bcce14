// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "ruler/window/rulerstore.h"
#include "testsupport.h"

#include <QFile>
#include <QTest>

Q_DECLARE_METATYPE(FigureKind)

namespace {

constexpr QSize kWindow(800, 600);

FigureModel made(FigureKind kind, double turn, QPoint shift)
{
    FigureModel figure;
    figure.create(kind, kWindow);
    figure.rotateBy(turn);
    figure.bodyMove(shift);
    figure.recompute();
    return figure;
}

// The ruler at `index` of a made-up session: each one different in every stored value.
RulerRecord sampleRuler(int index)
{
    RulerRecord record;
    const QList<RulerOption> options = RulerOptionTable::all();
    // A different option turned from its default in each ruler, and one more in all of them.
    for (RulerOption option : {options.at((3 * index) % options.size()), RulerOption::ShowCentralPoint}) {
        if (RulerOptionTable::entry(option).storage == RulerOptionTable::Storage::ReadWrite)
            record.settings.options.set(option, !RulerOptionTable::entry(option).byDefault);
    }
    record.settings.pictureFile = index % 2 ? QStringLiteral("/pictures/plan %1.png").arg(index) : QString();
    record.geometry = QRect(40 + 100 * index, 30 + 50 * index, 300 + index, 200 + 2 * index);
    record.settings.background = QColor(200, 210 + index, 220, 100 + index);
    record.settings.rulerColor = QColor(10 * index, 20, 30);
    record.settings.guidesColor = QColor(0, 0, 255 - index);
    const FigureKind kinds[] = {FigureKind::FlyingRuler, FigureKind::CenteredCircle, FigureKind::CornerRhombus,
                                FigureKind::CenteredRightTriangle};
    record.figure = made(kinds[index % 4], 17.5 * index, QPoint(3 * index, -2 * index));
    return record;
}

void compareFigures(const FigureModel &read, const FigureModel &written)
{
    QCOMPARE(read.kind, written.kind);
    QCOMPARE(read.flyingRuler, written.flyingRuler);
    QCOMPARE(read.pointCount, written.pointCount);
    for (int i = 0; i < written.pointCount; ++i) {
        QCOMPARE(read.points[i].x, written.points[i].x);
        QCOMPARE(read.points[i].y, written.points[i].y);
    }
    QCOMPARE(read.origin, written.origin);
    QCOMPARE(read.angle, written.angle);
    QCOMPARE(read.ratioLocked, written.ratioLocked);
    if (written.ratioLocked)
        QCOMPARE(read.ratio, written.ratio);
    // What the readings come from.
    QCOMPARE(read.screenPoints, written.screenPoints);
    QCOMPARE(read.width, written.width);
    QCOMPARE(read.height, written.height);
}

void compareRulers(const RulerRecord &read, const RulerRecord &written)
{
    QCOMPARE(read.settings.options, written.settings.options);
    QCOMPARE(read.settings.pictureFile, written.settings.pictureFile);
    QCOMPARE(read.geometry.toRect(), written.geometry.toRect());
    QCOMPARE(read.settings.background, written.settings.background);
    QCOMPARE(read.settings.rulerColor, written.settings.rulerColor);
    QCOMPARE(read.settings.guidesColor, written.settings.guidesColor);
    QCOMPARE(read.figure.has_value(), written.figure.has_value());
    if (written.figure)
        compareFigures(*read.figure, *written.figure);
}

QList<RulerRecord> readSession(QSettings &store)
{
    QList<RulerRecord> rulers{RulerStore::read(store, QString(), RulerRecord())};
    for (const QString &group : RulerStore::storedGroups(store))
        rulers.append(RulerStore::read(store, group, RulerRecord()));
    return rulers;
}

void writeFile(const QByteArray &text)
{
    QFile file(QSettings().fileName());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
}

// What a ruler of the version before sessions wrote: the top-level keys of one ruler, no figure, no group.
const QByteArray kEarlierFile =
    "[General]\n"
    "showMasterPointLines=true\n"
    "zeroAtLeft=false\n"
    "crossHairVisible=true\n"
    "borderVisible=false\n"
    "flyingFigureVisible=true\n"
    "stayOnTop=true\n"
    "leftTickerVisible=false\n"
    "imageFile=/home/someone/plan.png\n"
    "stretchImage=true\n"
    "proportionalImage=false\n"
    "bottmRightLabel=true\n"
    "R_M_Width=true\n"
    "geometry=@Rect(210 170 400 300)\n"
    "background=@Variant(\\0\\0\\0\\x43\\x1\\x80\\x80\\xf0\\xf0\\xf7\\xf7\\xf4\\xf4\\0\\0)\n"
    "rulerColor=@Variant(\\0\\0\\0\\x43\\x1\\xff\\xff\\n\\n\\x14\\x14\\x1e\\x1e\\0\\0)\n"
    "guidesColor=@Variant(\\0\\0\\0\\x43\\x1\\xff\\xff\\0\\0\\0\\0\\xff\\xff\\0\\0)\n"
    "Program%20Version=3.0\n"
    "zoom=5\n";

} // namespace

// The settings file's rulers: every open ruler written and read back, the first under the top-level
// keys earlier versions know, the others in groups of their own.
class TestRulerStore : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { TestSupport::clearStore(); }

    void sessionRoundTrip_data();
    void sessionRoundTrip();
    void everyOptionRoundTripsInAGroup_data();
    void everyOptionRoundTripsInAGroup();
    void figureRoundTrip_data();
    void figureRoundTrip();
    void damagedFigureValueCostsItselfOnly_data();
    void damagedFigureValueCostsItselfOnly();
    void earlierVersionsFileReadsAsBefore();
    void firstRulerStaysWhereEarlierVersionsReadIt();
    void earlierVersionsSaveKeepsTheSession();
    void closedRulersLeaveTheFile();
    void oddGroupsAreLeftAlone();
    void thousandsOfGroupsOpenAHundredRulers();
    void activeRuler_data();
    void activeRuler();
};

void TestRulerStore::sessionRoundTrip_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("active");
    QTest::newRow("one ruler") << 1 << 0;
    QTest::newRow("three rulers, the second active") << 3 << 1;
    QTest::newRow("twelve rulers, the last active") << 12 << 11;
}

void TestRulerStore::sessionRoundTrip()
{
    QFETCH(int, count);
    QFETCH(int, active);
    QList<RulerRecord> written;
    for (int i = 0; i < count; ++i)
        written.append(sampleRuler(i));
    {
        QSettings store;
        RulerStore::writeSession(store, written, active);
    }
    QSettings store;
    QStringList groups;
    for (int i = 1; i < count; ++i)
        groups << QStringLiteral("Ruler%1").arg(i + 1);
    QCOMPARE(RulerStore::storedGroups(store), groups);
    const QList<RulerRecord> read = readSession(store);
    QCOMPARE(read.size(), written.size());
    for (int i = 0; i < count; ++i)
        compareRulers(read.at(i), written.at(i));
    QCOMPARE(RulerStore::storedActive(store, count), active);
}

void TestRulerStore::everyOptionRoundTripsInAGroup_data()
{
    QTest::addColumn<int>("option");
    for (RulerOption option : RulerOptionTable::all()) {
        const RulerOptionTable::Entry &row = RulerOptionTable::entry(option);
        if (row.storage == RulerOptionTable::Storage::ReadWrite ||
            row.storage == RulerOptionTable::Storage::Picture)
            QTest::newRow(row.key) << int(option);
    }
}

// Each stored option turned from its default in the third ruler only: it comes back there, and the
// first ruler keeps its own.
void TestRulerStore::everyOptionRoundTripsInAGroup()
{
    QFETCH(int, option);
    const auto which = RulerOption(option);
    QList<RulerRecord> written{RulerRecord(), RulerRecord(), RulerRecord()};
    written[2].settings.options.set(which, !RulerOptionTable::entry(which).byDefault);
    {
        QSettings store;
        RulerStore::writeSession(store, written, 0);
    }
    QSettings store;
    const QList<RulerRecord> read = readSession(store);
    QCOMPARE(read.size(), 3);
    QCOMPARE(read[2].settings.options.value(which), !RulerOptionTable::entry(which).byDefault);
    QCOMPARE(read[0].settings.options, RulerOptions());
    QCOMPARE(read[1].settings.options, RulerOptions());
}

void TestRulerStore::figureRoundTrip_data()
{
    QTest::addColumn<FigureKind>("kind");
    QTest::addColumn<double>("ratio");
    QTest::addColumn<double>("turn");
    const std::pair<const char *, FigureKind> kinds[] = {
        {"flying ruler", FigureKind::FlyingRuler},
        {"corner rectangle", FigureKind::CornerRectangle},
        {"corner square", FigureKind::CornerSquare},
        {"corner rhombus", FigureKind::CornerRhombus},
        {"corner isosceles triangle", FigureKind::CornerIsoscelesTriangle},
        {"corner right triangle", FigureKind::CornerRightTriangle},
        {"corner ellipse", FigureKind::CornerEllipse},
        {"corner circle", FigureKind::CornerCircle},
        {"centred rectangle", FigureKind::CenteredRectangle},
        {"centred square", FigureKind::CenteredSquare},
        {"centred rhombus", FigureKind::CenteredRhombus},
        {"centred isosceles triangle", FigureKind::CenteredIsoscelesTriangle},
        {"centred right triangle", FigureKind::CenteredRightTriangle},
        {"centred ellipse", FigureKind::CenteredEllipse},
        {"centred circle", FigureKind::CenteredCircle},
    };
    for (const auto &[name, kind] : kinds) {
        QTest::addRow("%s", name) << kind << 0.0 << 0.0;
        QTest::addRow("%s turned", name) << kind << 0.0 << 123.456789;
    }
    QTest::newRow("16:9 ratio rectangle") << FigureKind::CornerSquare << FigureRatio::SixteenToNine << 0.0;
    QTest::newRow("golden ratio rectangle turned")
        << FigureKind::CornerSquare << FigureRatio::Golden << 359.9;
}

void TestRulerStore::figureRoundTrip()
{
    QFETCH(FigureKind, kind);
    QFETCH(double, ratio);
    QFETCH(double, turn);
    FigureModel written;
    if (ratio > 0)
        written.createRatioFigure(ratio, kWindow);
    else
        written.create(kind, kWindow);
    // Dragged by its width handle to an odd place, so that the points are no defaults.
    QPoint last = written.screenPoints[1];
    written.handleDrag(1, last + QPoint(37, 11), last, FigureModifiers());
    written.rotateBy(turn);
    written.bodyMove(QPoint(-123, 45));
    written.recompute();
    {
        QSettings store;
        store.beginGroup(QStringLiteral("Ruler4"));
        RulerStore::writeFigure(store, written);
    }
    QSettings store;
    store.beginGroup(QStringLiteral("Ruler4"));
    const std::optional<FigureModel> read = RulerStore::readFigure(store);
    QVERIFY(read);
    compareFigures(*read, written);
}

enum class Damage
{
    NoFigure,    // no kind: no figure at all
    KindsPoints, // the kind's own points
    Unplaced,    // centred when the ruler shows
    KindsTurn,   // the kind's own turn
    Unlocked,    // a plain square instead of the ratio rectangle
};
Q_DECLARE_METATYPE(Damage)

void TestRulerStore::damagedFigureValueCostsItselfOnly_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<Damage>("damage");
    QTest::newRow("unknown kind") << "figureKind" << QVariant("hexagon") << Damage::NoFigure;
    QTest::newRow("kind by number") << "figureKind" << QVariant(9) << Damage::NoFigure;
    QTest::newRow("no kind") << "figureKind" << QVariant() << Damage::NoFigure;
    QTest::newRow("too few points") << "figurePoints" << QVariant("0 0 10") << Damage::KindsPoints;
    QTest::newRow("too many points") << "figurePoints" << QVariant("0 0 10 0 0 10") << Damage::KindsPoints;
    QTest::newRow("no points") << "figurePoints" << QVariant("") << Damage::KindsPoints;
    QTest::newRow("not a number") << "figurePoints" << QVariant("0 0 ten 0") << Damage::KindsPoints;
    QTest::newRow("infinite point") << "figurePoints" << QVariant("0 0 inf 0") << Damage::KindsPoints;
    QTest::newRow("not-a-number point") << "figurePoints" << QVariant("0 0 nan 0") << Damage::KindsPoints;
    QTest::newRow("point far off") << "figurePoints" << QVariant("0 0 1e300 0") << Damage::KindsPoints;
    QTest::newRow("place as text") << "figureOrigin" << QVariant("12 34") << Damage::Unplaced;
    QTest::newRow("place far off") << "figureOrigin" << QVariant(QPoint(2000000000, 5)) << Damage::Unplaced;
    QTest::newRow("no place") << "figureOrigin" << QVariant() << Damage::Unplaced;
    QTest::newRow("turn not a number") << "figureAngle" << QVariant("right") << Damage::KindsTurn;
    QTest::newRow("infinite turn") << "figureAngle" << QVariant("inf") << Damage::KindsTurn;
    QTest::newRow("no turn") << "figureAngle" << QVariant() << Damage::KindsTurn;
    QTest::newRow("zero ratio") << "figureRatio" << QVariant("0") << Damage::Unlocked;
    QTest::newRow("negative ratio") << "figureRatio" << QVariant("-1.5") << Damage::Unlocked;
    QTest::newRow("ratio as text") << "figureRatio" << QVariant("wide") << Damage::Unlocked;
}

// A damaged figure value costs that value only; without a kind there is no figure (the ruler makes a
// new one), and nothing is guessed.
void TestRulerStore::damagedFigureValueCostsItselfOnly()
{
    QFETCH(QString, key);
    QFETCH(QVariant, value);
    QFETCH(Damage, damage);
    FigureModel written;
    written.createRatioFigure(FigureRatio::SixteenToNine, kWindow);
    QPoint last = written.screenPoints[1];
    written.handleDrag(1, last + QPoint(37, 11), last, FigureModifiers());
    written.rotateBy(30);
    written.bodyMove(QPoint(5, 5));
    written.recompute();
    QSettings store;
    RulerStore::writeFigure(store, written);
    if (value.isValid())
        store.setValue(key, value);
    else
        store.remove(key);

    bool placed = false;
    const std::optional<FigureModel> read = RulerStore::readFigure(store, &placed);
    QCOMPARE(read.has_value(), damage != Damage::NoFigure);
    if (!read)
        return;
    QCOMPARE(placed, damage != Damage::Unplaced);
    if (placed)
        QCOMPARE(read->origin, written.origin);
    QCOMPARE(read->angle, damage == Damage::KindsTurn ? 0.0 : written.angle);
    QCOMPARE(read->isRatioRectangle(), damage != Damage::Unlocked);
    QCOMPARE(read->kind, FigureKind::CornerSquare);
    FigureModel own;
    own.createRatioFigure(FigureRatio::SixteenToNine, kWindow);
    const FigurePoint widthHandle = (damage == Damage::KindsPoints ? own : written).points[1];
    QCOMPARE(read->points[1].x, widthHandle.x);
    QCOMPARE(read->points[1].y, widthHandle.y);
}

// A file of the version before sessions: the first ruler reads exactly as it did, with a new figure,
// and there are no further rulers.
void TestRulerStore::earlierVersionsFileReadsAsBefore()
{
    writeFile(kEarlierFile);
    QSettings store;
    RulerRecord current;
    current.settings.background = QColor(255, 255, 255, 128);
    const RulerRecord read = RulerStore::read(store, QString(), current);

    RulerOptions expected;
    for (RulerOption option :
         {RulerOption::ShowRotationCenter, RulerOption::ShowCentralPoint, RulerOption::StayOnTop,
          RulerOption::StretchPicture, RulerOption::ShowBottomRightLabels, RulerOption::ShowWidthNumber})
        expected.set(option, true);
    for (RulerOption option : {RulerOption::ZeroAtLeft, RulerOption::ShowBorder, RulerOption::ShowLeftTicker,
                               RulerOption::ProportionalPicture})
        expected.set(option, false);
    QCOMPARE(read.settings.options, expected);
    QCOMPARE(read.settings.pictureFile, QStringLiteral("/home/someone/plan.png"));
    QCOMPARE(read.geometry.toRect(), QRect(210, 170, 400, 300));
    QCOMPARE(read.settings.background, QColor(240, 247, 244, 128));
    QCOMPARE(read.settings.rulerColor, QColor(10, 20, 30));
    QCOMPARE(read.settings.guidesColor, QColor(0, 0, 255));
    QVERIFY(!read.figure);
    QCOMPARE(RulerStore::storedGroups(store), QStringList());
    QCOMPARE(RulerStore::storedActive(store, 1), 0);
}

// What an earlier version reads from a file of this one: the first ruler, under the keys it knows, with
// the values it knows; nothing of it moved into a group.
void TestRulerStore::firstRulerStaysWhereEarlierVersionsReadIt()
{
    writeFile(kEarlierFile);
    const QList<RulerRecord> session{sampleRuler(1), sampleRuler(2), sampleRuler(3)};
    {
        QSettings store;
        RulerStore::writeSession(store, session, 2);
    }
    QSettings store;
    // The first ruler's keys as the earlier version read them, one by one.
    RulerOptions options;
    options.read(store);
    options.readPictureOptions(store);
    QCOMPARE(options, session[0].settings.options);
    QCOMPARE(store.value("geometry").toRect(), session[0].geometry.toRect());
    QCOMPARE(store.value("background").value<QColor>(), session[0].settings.background);
    QCOMPARE(store.value("rulerColor").value<QColor>(), session[0].settings.rulerColor);
    QCOMPARE(store.value("guidesColor").value<QColor>(), session[0].settings.guidesColor);
    QCOMPARE(store.value("imageFile").toString(), session[0].settings.pictureFile);
    // The program's keys are untouched.
    QCOMPARE(store.value("zoom").toInt(), 5);
    QCOMPARE(store.value("Program Version").toString(), QStringLiteral("3.0"));
}

// An earlier version writes only the first ruler's keys: the groups it does not know stay in the file,
// and this version finds the session as it left it, with the first ruler as the earlier one saved it.
void TestRulerStore::earlierVersionsSaveKeepsTheSession()
{
    const QList<RulerRecord> session{sampleRuler(0), sampleRuler(1), sampleRuler(2)};
    {
        QSettings store;
        RulerStore::writeSession(store, session, 0);
    }
    {
        QSettings earlier;
        RulerOptions().write(earlier);
        earlier.setValue("geometry", QRect(5, 6, 300, 200));
    }
    QSettings store;
    const QList<RulerRecord> read = readSession(store);
    QCOMPARE(read.size(), 3);
    QCOMPARE(read[0].settings.options, RulerOptions());
    QCOMPARE(read[0].geometry.toRect(), QRect(5, 6, 300, 200));
    compareRulers(read[1], session[1]);
    compareRulers(read[2], session[2]);
}

// A ruler closed before the save is not in the file; nor is anything of a longer session before.
void TestRulerStore::closedRulersLeaveTheFile()
{
    QList<RulerRecord> session;
    for (int i = 0; i < 5; ++i)
        session.append(sampleRuler(i));
    QSettings store;
    RulerStore::writeSession(store, session, 4);
    session.removeAt(1);
    session.removeAt(2);
    RulerStore::writeSession(store, session, 0);
    store.sync();

    QSettings reread;
    QCOMPARE(RulerStore::storedGroups(reread), (QStringList{"Ruler2", "Ruler3"}));
    QCOMPARE(reread.childGroups(), (QStringList{"Ruler2", "Ruler3"}));
    const QList<RulerRecord> read = readSession(reread);
    QCOMPARE(read.size(), 3);
    for (int i = 0; i < 3; ++i)
        compareRulers(read.at(i), session.at(i));
    // A group is replaced whole: the closed ruler's figure ratio does not linger in its successor.
    for (const QString &group : RulerStore::storedGroups(reread)) {
        reread.beginGroup(group);
        QCOMPARE(reread.childKeys().size(), QSettings().childKeys().size() - 1); // no activeRuler
        reread.endGroup();
    }
}

// Groups that are no ruler's, or could be mistaken for the first ruler's, are neither read nor removed.
void TestRulerStore::oddGroupsAreLeftAlone()
{
    QSettings store;
    for (const char *odd : {"Ruler1", "Ruler0", "Ruler02", "RulerX", "ruler3", "Ruler 4", "Ruler99999"})
        store.setValue(QStringLiteral("%1/geometry").arg(QLatin1String(odd)), QRect(1, 2, 300, 200));
    store.setValue(QStringLiteral("Ruler3/geometry"), QRect(1, 2, 300, 200));
    store.setValue(QStringLiteral("Ruler7/geometry"), QRect(1, 2, 300, 200));
    // Gaps close in the order of the numbers.
    QCOMPARE(RulerStore::storedGroups(store), (QStringList{"Ruler3", "Ruler7"}));
    RulerStore::writeSession(store, {sampleRuler(0), sampleRuler(1)}, 0);
    QCOMPARE(RulerStore::storedGroups(store), QStringList{"Ruler2"});
    for (const char *odd : {"Ruler1", "Ruler0", "Ruler02", "RulerX", "ruler3", "Ruler 4", "Ruler99999"})
        QVERIFY2(store.contains(QStringLiteral("%1/geometry").arg(QLatin1String(odd))), odd);
}

// A file with more groups than anyone opens rulers: the lowest numbers come back, no more.
void TestRulerStore::thousandsOfGroupsOpenAHundredRulers()
{
    QSettings store;
    for (int number = 9999; number >= 2; --number)
        store.setValue(QStringLiteral("Ruler%1/zoom").arg(number), 1);
    const QStringList groups = RulerStore::storedGroups(store);
    QCOMPARE(groups.size(), RulerStore::kMostFurtherRulers);
    QCOMPARE(groups.first(), QStringLiteral("Ruler2"));
    QCOMPARE(groups.last(), QStringLiteral("Ruler%1").arg(RulerStore::kMostFurtherRulers + 1));
    // Saved, the session is what came back: the groups beyond it go too.
    RulerStore::writeSession(store, {sampleRuler(0), sampleRuler(1)}, 0);
    QCOMPARE(store.childGroups(), QStringList{"Ruler2"});
}

void TestRulerStore::activeRuler_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("active");
    QTest::newRow("absent: the last") << QVariant() << 3 << 2;
    QTest::newRow("the first") << QVariant(1) << 3 << 0;
    QTest::newRow("the third") << QVariant(3) << 3 << 2;
    QTest::newRow("beyond the session") << QVariant(4) << 3 << 2;
    QTest::newRow("zero") << QVariant(0) << 3 << 2;
    QTest::newRow("negative") << QVariant(-2) << 3 << 2;
    QTest::newRow("text") << QVariant("second") << 3 << 2;
    QTest::newRow("one ruler") << QVariant(2) << 1 << 0;
}

void TestRulerStore::activeRuler()
{
    QFETCH(QVariant, stored);
    QFETCH(int, count);
    QFETCH(int, active);
    QSettings store;
    if (stored.isValid())
        store.setValue(RulerStore::kActiveRulerKey, stored);
    QCOMPARE(RulerStore::storedActive(store, count), active);
}

GRADORA_TEST_GUILESS_MAIN(TestRulerStore)
#include "tst_rulerstore.moc"
