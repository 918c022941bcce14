// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "dialogfixture.h"

#include "platform/globalshortcut.h"
#include "prefs/programsettings.h"

#include <QCheckBox>
#include <QKeySequenceEdit>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>

Q_DECLARE_METATYPE(ProgramSetting)
Q_DECLARE_METATYPE(PreferencesPage)
Q_DECLARE_METATYPE(GlobalShortcut::State)

namespace Table = ProgramSettingTable;

// A global key whose state the test sets.
class FakeGlobalShortcut : public GlobalShortcut
{
public:
    Route route() const override { return Route::KeyGrab; }
    void bind(const QKeySequence &key) override { setState(key.isEmpty() ? State::Off : State::Active, key); }
    void answer(State state, const QKeySequence &key, const QString &detail)
    {
        setState(state, key, detail);
    }
};

// The form of the preferences: its texts and names, and that what the user does reaches the model.
class TestPreferencesDialog : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        TestSupport::clearStore();
        m_fixture.start();
    }
    void cleanup() { m_fixture.stop(); }

    void formTexts();
    void editorsShowTheModel();
    void everyEditorEditsItsSetting_data();
    void everyEditorEditsItsSetting();
    void loadDefaults();
    void optionEditsAreAnnounced();
    void pagesOpenOnRequest_data();
    void pagesOpenOnRequest();
    void closingIsAnnounced();
    void globalShortcutTyped_data();
    void globalShortcutTyped();
    void globalShortcutCleared();
    void globalShortcutNoteFollowsTheDesktop_data();
    void globalShortcutNoteFollowsTheDesktop();
    void tableColumnsFillTheTable_data();
    void tableColumnsFillTheTable();

private:
    QSpinBox *box(const char *name) const { return m_fixture.widget<QSpinBox>(name); }
    DialogFixture m_fixture;
};

void TestPreferencesDialog::globalShortcutTyped_data()
{
    QTest::addColumn<QList<QKeyCombination>>("typed");
    QTest::addColumn<QKeySequence>("stored");
    QTest::addColumn<QString>("storedText");
    QTest::newRow("ctrl alt letter") << QList<QKeyCombination>{Qt::CTRL | Qt::ALT | Qt::Key_G}
                                     << QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_G) << "Ctrl+Alt+G";
    QTest::newRow("function key") << QList<QKeyCombination>{Qt::SHIFT | Qt::Key_F9}
                                  << QKeySequence(Qt::SHIFT | Qt::Key_F9) << "Shift+F9";
    QTest::newRow("only the first of two keys")
        << QList<QKeyCombination>{Qt::CTRL | Qt::Key_K, Qt::CTRL | Qt::Key_S} << QKeySequence(Qt::CTRL | Qt::Key_K)
        << "Ctrl+K";
}

void TestPreferencesDialog::globalShortcutTyped()
{
    QFETCH(QList<QKeyCombination>, typed);
    auto *edit = m_fixture.widget<QKeySequenceEdit>("globalShortcutEdit");
    auto *clear = m_fixture.widget<QPushButton>("globalShortcutClearButton");
    QVERIFY(edit->keySequence().isEmpty());
    QVERIFY(!clear->isEnabled());
    m_fixture.dialog->showPage(PreferencesPage::Shortcuts);
    edit->setFocus();
    QSignalSpy finished(edit, &QKeySequenceEdit::editingFinished);
    for (const QKeyCombination combination : std::as_const(typed))
        QTest::keyClick(edit, combination.key(), combination.keyboardModifiers());
    QVERIFY(finished.wait(10000));
    QTEST(m_fixture.preferences->value<QKeySequence>(ProgramSetting::GlobalShortcut), "stored");
    QTEST(QSettings().value(programKey(ProgramSetting::GlobalShortcut)).toString(), "storedText");
    QTEST(edit->keySequence(), "stored");
    QVERIFY(clear->isEnabled());
}

void TestPreferencesDialog::globalShortcutCleared()
{
    m_fixture.preferences->setValue(ProgramSetting::GlobalShortcut, QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_R));
    m_fixture.start(); // the dialog shows the stored key when it opens
    auto *edit = m_fixture.widget<QKeySequenceEdit>("globalShortcutEdit");
    auto *clear = m_fixture.widget<QPushButton>("globalShortcutClearButton");
    QCOMPARE(edit->keySequence(), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_R));
    QVERIFY(clear->isEnabled());
    QSignalSpy changes(m_fixture.preferences.get(), &Preferences::globalShortcutChanged);
    QTest::mouseClick(clear, Qt::LeftButton);
    QCOMPARE(changes.count(), 1);
    QVERIFY(m_fixture.preferences->value<QKeySequence>(ProgramSetting::GlobalShortcut).isEmpty());
    QVERIFY(edit->keySequence().isEmpty());
    QCOMPARE(QSettings().value(programKey(ProgramSetting::GlobalShortcut)).toString(), QString());
    QVERIFY(!clear->isEnabled());
}

void TestPreferencesDialog::globalShortcutNoteFollowsTheDesktop_data()
{
    QTest::addColumn<GlobalShortcut::State>("state");
    QTest::addColumn<QString>("detail");
    QTest::addColumn<QString>("word");
    QTest::newRow("active") << GlobalShortcut::State::Active << "" << "Ctrl+Alt+T shows";
    QTest::newRow("taken") << GlobalShortcut::State::Taken << "" << "taken by another program";
    QTest::newRow("no way on this desktop") << GlobalShortcut::State::Unavailable << "" << "gradora --toggle";
    QTest::newRow("no bus, the longest note")
        << GlobalShortcut::State::Unavailable << "There is no session bus to reach the desktop portal."
        << "gradora --toggle";
}

void TestPreferencesDialog::globalShortcutNoteFollowsTheDesktop()
{
    QFETCH(GlobalShortcut::State, state);
    QFETCH(QString, detail);
    QFETCH(QString, word);
    FakeGlobalShortcut shortcut;
    m_fixture.dialog->followGlobalShortcut(&shortcut);
    auto *note = m_fixture.widget<QLabel>("globalShortcutNote");
    QVERIFY(note->text().contains(QLatin1String("No key")));
    shortcut.answer(state, QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_T), detail);
    QVERIFY2(note->text().contains(word), qPrintable(note->text()));
    // Whole, in the dialog's fixed size.
    m_fixture.dialog->showPage(PreferencesPage::Shortcuts);
    QVERIFY(QTest::qWaitForWindowExposed(m_fixture.dialog.get()));
    QVERIFY2(note->heightForWidth(note->width()) <= note->height(),
             qPrintable(QStringLiteral("%1 > %2").arg(note->heightForWidth(note->width())).arg(note->height())));
}

void TestPreferencesDialog::formTexts()
{
    const PreferencesDialog &dialog = *m_fixture.dialog;
    QCOMPARE(dialog.objectName(), QStringLiteral("Settings"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Preferences"));
    QCOMPARE(dialog.size(), QSize(587, 395));
    QVERIFY(dialog.windowFlags() & Qt::WindowStaysOnTopHint);
#if GRADORA_UPDATE_CHECK
    const QStringList tabs{"Shortcuts", "Units", "Displays", "Pixel-Based Units", "Program"};
    const QStringList names{"shortcutsTab", "unitsTab", "displaysTab", "pixelUnitsTab", "programTab"};
#else
    // The "Program" page holds only the update check.
    const QStringList tabs{"Shortcuts", "Units", "Displays", "Pixel-Based Units"};
    const QStringList names{"shortcutsTab", "unitsTab", "displaysTab", "pixelUnitsTab"};
#endif
    const auto *pages = m_fixture.widget<QTabWidget>("pageTabs");
    QCOMPARE(pages->count(), tabs.size());
    for (int i = 0; i < tabs.size(); ++i) {
        QCOMPARE(pages->tabText(i), tabs.at(i));
        QCOMPARE(pages->widget(i)->objectName(), names.at(i));
    }
    QCOMPARE(m_fixture.widget<QLabel>("moveMoreLabel")->text(), QStringLiteral("Alt + Arrow Keys"));
    QCOMPARE(m_fixture.widget<QLabel>("resizeNormalLabel")->text(), QStringLiteral("Shift + Arrow Keys"));
    QCOMPARE(m_fixture.widget<QLabel>("resizeMoreLabel")->text(), QStringLiteral("Alt + Shift + Arrow Keys"));
    for (const char *name : {"moveStepBox", "moveMoreStepBox", "resizeStepBox", "resizeMoreStepBox"}) {
        QCOMPARE(box(name)->minimum(), 1);
        QCOMPARE(box(name)->maximum(), 999);
    }
    QCOMPARE(m_fixture.widget<QCheckBox>("topRightMenuBox")->text(),
             QStringLiteral("Show the top-right menu button"));
    QCOMPARE(m_fixture.widget<QCheckBox>("autoUpdatesBox")->text(),
             QStringLiteral("Automatic check for updates"));
    // A range reads as a range, an inch is 2.54 cm, and the update entry is where the user finds it.
    for (const char *name : {"moveStepRange", "moveMoreStepRange", "resizeStepRange", "resizeMoreStepRange"})
        QCOMPARE(m_fixture.widget<QLabel>(name)->text(), QStringLiteral("px (1–999)"));
    QCOMPARE(
        m_fixture.widget<QLabel>("unitNote")->text(),
        QStringLiteral("All unit conversions are calculated on \"Units per Inch\" basis. For example, one "
                       "Inch = 2.54 Centimeters. Click \"Displays\" tab to calibrate the actual Pixels per "
                       "Inch value."));
    QCOMPARE(
        m_fixture.widget<QLabel>("autoUpdatesNote")->text(),
        QStringLiteral("Uncheck this if you don't want Gradora to check for new versions at startup (you "
                       "can still use \"Check for Updates\" from the ruler's menu to check manually)"));
    QCOMPARE(m_fixture.widget<QDialogButtonBox>("buttonBox")->standardButtons(), QDialogButtonBox::Ok);
}

void TestPreferencesDialog::editorsShowTheModel()
{
    // A hand-edited value out of range shows clamped, as the model reads it.
    QSettings().setValue(programKey(ProgramSetting::MoveMoreStep), "5000");
    m_fixture.start();
    QCOMPARE(box("moveMoreStepBox")->value(), Table::entry(ProgramSetting::MoveMoreStep).maximum);
    for (const Table::Entry &row : Table::kTable) {
        if (!row.editor)
            continue;
        if (auto *spin = m_fixture.dialog->findChild<QSpinBox *>(QLatin1String(row.editor)))
            QCOMPARE(spin->value(), m_fixture.preferences->value<int>(row.setting));
        else
            QCOMPARE(m_fixture.widget<QCheckBox>(row.editor)->isChecked(),
                     m_fixture.preferences->value<bool>(row.setting));
    }
}

void TestPreferencesDialog::everyEditorEditsItsSetting_data()
{
    QTest::addColumn<ProgramSetting>("setting");
    for (const Table::Entry &row : Table::kTable) {
        if (row.editor)
            QTest::newRow(row.editor) << row.setting;
    }
}

void TestPreferencesDialog::everyEditorEditsItsSetting()
{
    QFETCH(ProgramSetting, setting);
    const Table::Entry &row = Table::entry(setting);
    QWidget *editor = m_fixture.dialog->findChild<QWidget *>(QLatin1String(row.editor));
    QVERIFY2(editor, row.editor);
    const QVariant before = m_fixture.preferences->value<QVariant>(setting);
    if (auto *spin = qobject_cast<QSpinBox *>(editor)) {
        QCOMPARE(spin->minimum(), row.minimum);
        QCOMPARE(spin->maximum(), row.maximum);
        spin->setValue(row.byDefault == row.maximum ? row.minimum : row.maximum);
        // Only a finished edit counts, not every value on the way.
        QCOMPARE(m_fixture.preferences->value<QVariant>(setting), before);
        Q_EMIT spin->editingFinished();
        QCOMPARE(m_fixture.preferences->value<int>(setting), spin->value());
    } else {
        auto *check = qobject_cast<QCheckBox *>(editor);
        QVERIFY(check);
        check->click();
        QCOMPARE(m_fixture.preferences->value<bool>(setting), check->isChecked());
    }
    QVERIFY(m_fixture.preferences->value<QVariant>(setting) != before);
    // What is written on an edit is there at once; the rest with the next save.
    if (!(row.writes & Table::OnEdit))
        m_fixture.preferences->save();
    const QVariant edited = m_fixture.preferences->value<QVariant>(setting);
    m_fixture.start();
    QCOMPARE(m_fixture.preferences->value<QVariant>(setting), edited);
}

void TestPreferencesDialog::loadDefaults()
{
    box("moveStepBox")->setValue(25);
    Q_EMIT box("moveStepBox")->editingFinished();
    m_fixture.widget<QCheckBox>("topRightMenuBox")->click();
    QVERIFY(m_fixture.preferences->value<bool>(ProgramSetting::ShowTopRightMenu));
    m_fixture.widget<QCheckBox>("autoUpdatesBox")->click();

    m_fixture.widget<QPushButton>("shortcutDefaultsButton")->click();
    // Every setting edited on the Shortcuts page is back at its default, in the form and in the file.
    for (const ProgramSetting step : {ProgramSetting::MoveStep, ProgramSetting::MoveMoreStep,
                                      ProgramSetting::ResizeStep, ProgramSetting::ResizeMoreStep}) {
        const int byDefault = Table::entry(step).byDefault;
        QCOMPARE(box(Table::entry(step).editor)->value(), byDefault);
        QCOMPARE(QSettings().value(programKey(step)).toString(), QString::number(byDefault));
    }
    QVERIFY(!m_fixture.widget<QCheckBox>("topRightMenuBox")->isChecked());
    QVERIFY(!m_fixture.preferences->value<bool>(ProgramSetting::ShowTopRightMenu));
    QVERIFY(!QSettings().value("showTopRightMenu").toBool());
    // Not on the page: left as it is.
    QVERIFY(!m_fixture.widget<QCheckBox>("autoUpdatesBox")->isChecked());
    QVERIFY(!m_fixture.preferences->value<bool>(ProgramSetting::AutoUpdates));
    // The rulers keep the step in use until the next edit.
    QCOMPARE(m_fixture.preferences->steps().moveNormal, 25);
}

void TestPreferencesDialog::optionEditsAreAnnounced()
{
    QSignalSpy changed(m_fixture.preferences.get(), &Preferences::optionsChanged);
    m_fixture.widget<QCheckBox>("topRightMenuBox")->click();
    m_fixture.widget<QCheckBox>("autoUpdatesBox")->click();
    QCOMPARE(changed.count(), 2);
}

void TestPreferencesDialog::pagesOpenOnRequest_data()
{
    QTest::addColumn<PreferencesPage>("page");
    QTest::addColumn<QString>("shown");
    QTest::newRow("Shortcuts") << PreferencesPage::Shortcuts << "shortcutsTab";
    QTest::newRow("Units") << PreferencesPage::Units << "unitsTab";
    QTest::newRow("Displays") << PreferencesPage::Displays << "displaysTab";
    QTest::newRow("PixelBasedUnits") << PreferencesPage::PixelBasedUnits << "pixelUnitsTab";
}

void TestPreferencesDialog::pagesOpenOnRequest()
{
    QFETCH(PreferencesPage, page);
    QFETCH(QString, shown);
    auto *pages = m_fixture.widget<QTabWidget>("pageTabs");
    pages->setCurrentIndex(2);
    m_fixture.dialog->showPage(page);
    QVERIFY(m_fixture.dialog->isVisible());
    QCOMPARE(pages->currentWidget()->objectName(), shown);
    m_fixture.dialog->hide();
}

void TestPreferencesDialog::tableColumnsFillTheTable_data()
{
    QTest::addColumn<PreferencesPage>("page");
    QTest::addColumn<QString>("table");
    QTest::newRow("Units") << PreferencesPage::Units << "unitTable";
    QTest::newRow("Displays") << PreferencesPage::Displays << "displayTable";
    QTest::newRow("Pixel-Based Units") << PreferencesPage::PixelBasedUnits << "pixelUnitTable";
}

void TestPreferencesDialog::tableColumnsFillTheTable()
{
    QFETCH(PreferencesPage, page);
    QFETCH(QString, table);
    m_fixture.dialog->showPage(page);
    QVERIFY(QTest::qWaitForWindowExposed(m_fixture.dialog.get()));
    const auto *widget = m_fixture.widget<QTableWidget>(qPrintable(table));
    const QHeaderView *columns = widget->horizontalHeader();
    int widths = 0;
    for (int column = 0; column < widget->columnCount(); ++column) {
        QVERIFY2(columns->sectionSize(column) > 0, qPrintable(QString::number(column)));
        widths += columns->sectionSize(column);
    }
    // No empty strip right of the last column, and no column cut at the right edge.
    QCOMPARE(widths, widget->viewport()->width());
    m_fixture.dialog->hide();
}

void TestPreferencesDialog::closingIsAnnounced()
{
    QSignalSpy closing(m_fixture.dialog.get(), &PreferencesDialog::closing);
    m_fixture.dialog->showPage(PreferencesPage::Shortcuts);
    m_fixture.widget<QDialogButtonBox>("buttonBox")->button(QDialogButtonBox::Ok)->click();
    QCOMPARE(closing.count(), 1);
    QVERIFY(!m_fixture.dialog->isVisible());
}

GRADORA_TEST_MAIN(TestPreferencesDialog)
#include "tst_preferencesdialog.moc"
