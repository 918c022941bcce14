// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// The program-wide part of the settings file, byte for byte: the files under settingsfiles/ were
// written by the program itself, and users' files (and whatever reads them) rely on the keys, the
// form of their values and their order staying exactly so.
#include "prefs/preferences.h"
#include "prefs/programsettings.h"
#include "testsupport.h"

#include <QFile>
#include <QTest>

namespace {
enum class Run
{
    Untouched,
    EverythingChanged,
    HostileValuesMended
};

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The version line changes with every release; the rest must not.
QByteArray withoutVersion(QByteArray text)
{
    const QByteArray line = "Program%20Version=" + AppIdentity::applicationVersion.toLatin1() + '\n';
    return text.replace(line, "Program%20Version=*\n");
}

void writeHostileValues()
{
    QSettings store;
    store.setValue(programKey(ProgramSetting::MoveStep), QStringLiteral("5000"));
    store.setValue(programKey(ProgramSetting::MoveMoreStep), QStringLiteral("abc"));
    store.setValue(programKey(ProgramSetting::ResizeStep), QStringLiteral("0"));
    store.setValue(programKey(ProgramSetting::PanelSide), QStringLiteral("0"));
    store.setValue(programKey(ProgramSetting::ShowTopRightMenu), QStringLiteral("1"));
    store.setValue(programKey(ProgramSetting::AutoUpdates), QStringLiteral("false"));
    store.setValue(programKey(ProgramSetting::ShowInfoPanel), QStringLiteral("no"));
    store.setValue(programKey(ProgramSetting::GlobalShortcut), QStringLiteral("Ctrl+Nonsense"));
    store.setValue(programKey(ProgramSetting::LastInformed), QStringLiteral("nan"));
}

void changeEverything(Preferences &preferences)
{
    preferences.setValue(ProgramSetting::MoveStep, 25);
    preferences.setValue(ProgramSetting::MoveMoreStep, 250);
    preferences.setValue(ProgramSetting::ResizeStep, 2);
    preferences.setValue(ProgramSetting::ResizeMoreStep, 20);
    preferences.setValue(ProgramSetting::ShowTopRightMenu, true);
    preferences.setValue(ProgramSetting::AutoUpdates, false);
    preferences.setValue(ProgramSetting::ShowInfoPanel, false);
    preferences.setValue(ProgramSetting::PanelSide, PanelSide::Left);
    preferences.setValue(ProgramSetting::ActivateOnHover, true);
    preferences.setValue(ProgramSetting::GlobalShortcut, QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_F5));
    preferences.setValue(ProgramSetting::LastInformed, QStringLiteral("6.3"));
    preferences.markUpdateChecked(QDate(2026, 3, 4));
}

// The keys the rest of the program writes, each with a value, so that their place shows too.
void writeOtherProgramKeys()
{
    QSettings store;
    int value = 0;
    for (const QString &key : ProgramStore::keyOrder()) {
        if (!store.contains(key))
            store.setValue(key, ++value);
    }
    store.setValue(programKey(ProgramSetting::PictureFolder), QStringLiteral("/home/someone/Pictures"));
    store.setValue(programKey(ProgramSetting::RegionPictureFolder), QStringLiteral("/home/someone/Regions"));
}
} // namespace

Q_DECLARE_METATYPE(Run)

class TestSettingsFile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { TestSupport::clearStore(); }
    void writtenAsBefore_data();
    void writtenAsBefore();
};

void TestSettingsFile::writtenAsBefore_data()
{
    QTest::addColumn<Run>("run");
    QTest::addColumn<QString>("expectedFile");
    QTest::newRow("untouched") << Run::Untouched << "untouched.ini";
    QTest::newRow("everything changed") << Run::EverythingChanged << "changed.ini";
    QTest::newRow("hostile values mended") << Run::HostileValuesMended << "mended.ini";
}

void TestSettingsFile::writtenAsBefore()
{
    QFETCH(Run, run);
    QFETCH(QString, expectedFile);
    if (run == Run::HostileValuesMended)
        writeHostileValues();
    {
        Preferences preferences;
        if (run == Run::EverythingChanged) {
            changeEverything(preferences);
            writeOtherProgramKeys();
        }
        preferences.save();
    }
    const QByteArray written = withoutVersion(readAll(QSettings().fileName()));
    // Where the files are to be written anew (after a deliberate change of the file's form).
    const QString recordIn = qEnvironmentVariable("GRADORA_RECORD_SETTINGS_FILES");
    if (!recordIn.isEmpty()) {
        QFile record(recordIn + QLatin1Char('/') + expectedFile);
        QVERIFY(record.open(QIODevice::WriteOnly | QIODevice::Truncate));
        record.write(written);
    }
    const QByteArray expected =
        readAll(QStringLiteral(GRADORA_SOURCE_DIR "/tests/prefs/settingsfiles/") + expectedFile);
    QVERIFY(!expected.isEmpty());
    QCOMPARE(written, expected);
}

GRADORA_TEST_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
