// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "prefs/programstore.h"
#include "prefs/storefile.h"
#include "testsupport.h"

#include <QColor>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QRect>
#include <QTest>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {
enum class Damage
{
    LineWithoutEquals,
    LineWithoutEqualsInTheMiddle,
    UnterminatedSection,
    ByteOrderMark,
    CutInTheLastLine,
    FlippedByte,
    InsertedByte,
    CutColor
};

// Values that no default has, so that a key read back as its default shows as lost.
const QList<QPair<QString, QVariant>> kDistinctValues{{"borderVisible", false},
                                                      {"geometry", QRect(11, 22, 333, 244)},
                                                      {"background", QColor(1, 2, 3, 4)},
                                                      {"rulerColor", QColor(200, 100, 50)},
                                                      {"Program Version", QStringLiteral("6.0")},
                                                      {"imageFile", QStringLiteral("/tmp/a b.png")},
                                                      {"zoom", 4},
                                                      {"unit_0_0", QStringLiteral("Inches")},
                                                      {"clrX", 77}};

// The middle of the line of `key`, which a damage there costs that line only.
qsizetype middleOfLine(const QByteArray &text, const QByteArray &key)
{
    const qsizetype start = text.indexOf('\n' + key + '=') + 1;
    return start + key.size() + 1;
}

QByteArray damaged(QByteArray text, Damage damage)
{
    switch (damage) {
    case Damage::LineWithoutEquals:
        return text + "junk\n";
    case Damage::LineWithoutEqualsInTheMiddle:
        return text.insert(text.indexOf("\nzoom=") + 1, "junk\n");
    case Damage::UnterminatedSection:
        return text + "[x";
    case Damage::ByteOrderMark:
        return "\xef\xbb\xbf" + text;
    case Damage::CutInTheLastLine:
        return text.left(text.trimmed().size() - 3);
    case Damage::FlippedByte:
        text[middleOfLine(text, "zoom")] = char(text.at(middleOfLine(text, "zoom")) ^ 0x40);
        return text;
    case Damage::InsertedByte:
        return text.insert(middleOfLine(text, "imageFile"), '\x01');
    case Damage::CutColor: {
        const qsizetype start = text.indexOf("\nbackground=") + 1;
        return text.replace(start, text.indexOf('\n', start) - start, R"(background=@Variant(\0\0\0\x43))");
    }
    }
    return text;
}

void writeFile(const QString &path, const QByteArray &content)
{
    static int written = 0;
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
    // A time of its own, so that the toolkit reads it anew even where the size stayed the same.
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-1000 - ++written),
                             QFileDevice::FileModificationTime));
}

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool makeFifo(const QString &path)
{
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}
} // namespace

Q_DECLARE_METATYPE(Damage)

// The settings file keeps the toolkit's encodings while writing the keys in the program's order.
class TestProgramStore : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { TestSupport::clearStore(); }
    void valuesRoundTrip_data();
    void valuesRoundTrip();
    void knownKeysFirstInOrder();
    void pathIsTheToolkits();
    void damagedLineCostsOnlyThatLine_data();
    void damagedLineCostsOnlyThatLine();
    void failedSaveIsTold_data();
    void failedSaveIsTold();
    void saveThroughLinkUpdatesTheTarget();
    void notAFileIsRefusedAtStart_data();
    void notAFileIsRefusedAtStart();
    void staleTemporariesAreRemoved();

private:
    static QString path() { return QSettings().fileName(); }
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
    // The rulers' keys come first, in the order the ruler side gives.
    ProgramStore::setLeadingKeys({QStringLiteral("showMasterPointLines"), QStringLiteral("guidesColor")});
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

void TestProgramStore::pathIsTheToolkits()
{
    QCOMPARE(ProgramStore::filePath(), path());
}

void TestProgramStore::damagedLineCostsOnlyThatLine_data()
{
    QTest::addColumn<Damage>("damage");
    QTest::addColumn<bool>("keptAside"); // whether the reader saw a line it could not read
    QTest::newRow("a line without =") << Damage::LineWithoutEquals << true;
    QTest::newRow("a line without = in the middle") << Damage::LineWithoutEqualsInTheMiddle << true;
    QTest::newRow("an unterminated section") << Damage::UnterminatedSection << true;
    QTest::newRow("a byte-order mark") << Damage::ByteOrderMark << true;
    QTest::newRow("cut in the last line") << Damage::CutInTheLastLine << false;
    QTest::newRow("a flipped byte") << Damage::FlippedByte << false;
    QTest::newRow("an inserted byte") << Damage::InsertedByte << false;
    QTest::newRow("a cut-off colour") << Damage::CutColor << true;
}

// Every line that the damage left whole keeps its key and value, and what was damaged is kept beside.
void TestProgramStore::damagedLineCostsOnlyThatLine()
{
    QFETCH(Damage, damage);
    QFETCH(bool, keptAside);
    {
        QSettings store;
        for (const auto &[key, value] : kDistinctValues)
            store.setValue(key, value);
    }
    const QByteArray whole = contentOf(path());
    const QByteArray text = damaged(whole, damage);
    QFile::remove(StoreFile::damagedCopyPath(path()));
    writeFile(path(), text);

    QSettings store;
    QCOMPARE(store.status(), QSettings::NoError);
    int kept = 0;
    for (const auto &[key, value] : kDistinctValues) {
        const QByteArray line = whole.mid(whole.indexOf('\n' + QUrl::toPercentEncoding(key, " ") + '='));
        if (!text.contains(line.left(line.indexOf('\n', 1) + 1)))
            continue; // the damaged line
        QVariant back = store.value(key);
        QVERIFY2(back.convert(value.metaType()) && back == value, qPrintable(key));
        ++kept;
    }
    QVERIFY(kept >= kDistinctValues.size() - 1);
    QCOMPARE(QFile::exists(StoreFile::damagedCopyPath(path())), keptAside);
    if (keptAside)
        QCOMPARE(contentOf(StoreFile::damagedCopyPath(path())), text);

    // Written back, the file holds every kept key again, and a damaged colour no more.
    store.setValue("clrY", 5);
    store.sync();
    QCOMPARE(store.status(), QSettings::NoError);
    QSettings reread(path(), QSettings::IniFormat);
    QCOMPARE(reread.status(), QSettings::NoError);
    QCOMPARE(reread.value("clrX").toInt(), 77);
    if (damage == Damage::CutColor)
        QVERIFY(!reread.contains("background"));
}

void TestProgramStore::failedSaveIsTold_data()
{
    QTest::addColumn<QString>("entry"); // what stands at the settings path
    QTest::addColumn<QString>("reason");
    QTest::newRow("a folder") << "folder"
                              << "a folder stands in its place";
    QTest::newRow("a link into a folder that does not exist")
        << "link to nowhere" << QString::fromLocal8Bit(std::strerror(ENOENT));
    // A save would replace the device with a regular file.
    QTest::newRow("a link to a device") << "link to device"
                                        << "it is not a regular file";
}

void TestProgramStore::failedSaveIsTold()
{
    QFETCH(QString, entry);
    QTemporaryDir elsewhere;
    QFile::remove(path());
    if (entry == QLatin1String("folder")) {
        QVERIFY(QDir().mkpath(path()));
    } else if (entry == QLatin1String("link to nowhere")) {
        QVERIFY(QFile::link(elsewhere.filePath(QStringLiteral("missing/Gradora.ini")), path()));
    } else {
        const QString device = elsewhere.filePath(QStringLiteral("device"));
        if (::mknod(QFile::encodeName(device).constData(), S_IFCHR | 0600, makedev(1, 3)) != 0)
            QSKIP("no device node can be made here");
        QVERIFY(QFile::link(device, path()));
    }

    {
        // Held, as the program holds its store for the whole run.
        QSettings store;
        store.setValue("zoom", 3);
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("could not save its settings to ")));
        QTEST(ProgramStore::flush(), "reason");
    }

    struct stat status = {};
    QVERIFY(::stat(QFile::encodeName(path()).constData(), &status) != 0 || !S_ISREG(status.st_mode));
    QVERIFY(QFileInfo(path()).isSymLink() || QFileInfo(path()).isDir());
    // Clean for the next test.
    QFile::remove(path());
    QDir().rmdir(path());
    QSettings().clear();
}

// Dotfile managers keep the settings in a folder of their own and link them in.
void TestProgramStore::saveThroughLinkUpdatesTheTarget()
{
    QTemporaryDir managed;
    const QString target = managed.filePath(QStringLiteral("Gradora.ini"));
    writeFile(target, "[General]\nclrX=1\n");
    QFile::remove(path());
    QVERIFY(QFile::link(target, path()));
    QSettings().setValue("zoom", 6);
    QCOMPARE(ProgramStore::flush(), QString());
    QVERIFY(QFileInfo(path()).isSymLink());
    QSettings reread(target, QSettings::IniFormat);
    QCOMPARE(reread.value("zoom").toInt(), 6);
    QCOMPARE(reread.value("clrX").toInt(), 1);
    QFile::remove(path());
}

void TestProgramStore::notAFileIsRefusedAtStart_data()
{
    QTest::addColumn<QString>("suffix"); // beside the settings file's name: "" for the file itself
    QTest::addColumn<bool>("throughLink");
    QTest::newRow("a FIFO as the file") << QString() << false;
    QTest::newRow("a link to a FIFO as the file") << QString() << true;
    QTest::newRow("a FIFO as the lock beside it") << QStringLiteral(".lock") << false;
}

// Opening a FIFO blocks for ever: the start is refused before the file is opened.
void TestProgramStore::notAFileIsRefusedAtStart()
{
    QFETCH(QString, suffix);
    QFETCH(bool, throughLink);
    QTemporaryDir elsewhere;
    const QString odd = ProgramStore::filePath() + suffix;
    QFile::remove(odd);
    if (throughLink) {
        QVERIFY(makeFifo(elsewhere.filePath(QStringLiteral("fifo"))));
        QVERIFY(QFile::link(elsewhere.filePath(QStringLiteral("fifo")), odd));
    } else {
        QVERIFY(makeFifo(odd));
    }
    const QString refusal = ProgramStore::prepareFile();
    QFile::remove(odd);
    QVERIFY2(refusal.contains(odd), qPrintable(refusal));
    QVERIFY2(refusal.contains(QLatin1String("it is not a regular file")), qPrintable(refusal));
    QCOMPARE(ProgramStore::prepareFile(), QString());
}

// A kill in the middle of a save leaves the toolkit's temporary copy beside the file.
void TestProgramStore::staleTemporariesAreRemoved()
{
    const QString file = ProgramStore::filePath();
    QTemporaryDir elsewhere;
    for (const QString &name : {".a1B2c3", ".damaged", ".lock", ".abc1234"})
        writeFile(file + name, "x");
    QVERIFY(QFile::link(elsewhere.path(), file + QStringLiteral(".zzzzzz")));
    QCOMPARE(ProgramStore::prepareFile(), QString());
    QVERIFY(!QFile::exists(file + QStringLiteral(".a1B2c3")));
    for (const QString &name : {".damaged", ".lock", ".abc1234", ".zzzzzz"}) {
        QVERIFY2(QFileInfo(file + name).exists(), qPrintable(name));
        QFile::remove(file + name);
    }
}

GRADORA_TEST_MAIN(TestProgramStore)
#include "tst_programstore.moc"
