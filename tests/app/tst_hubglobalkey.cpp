// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "app/rulerhub.h"
#include "platform/globalshortcut.h"
#include "prefs/preferencesdialog.h"
#include "testsupport.h"

#include <QKeySequenceEdit>
#include <QLabel>
#include <QRegularExpression>
#include <QTest>
#include <QTextDocument>
#include <QWidget>

using State = GlobalShortcut::State;
Q_DECLARE_METATYPE(State)

namespace {

// A global key that the test presses, and that answers every bind with the state the test chose.
class FakeGlobalShortcut : public GlobalShortcut
{
public:
    Route route() const override { return Route::KeyGrab; }
    void bind(const QKeySequence &key) override
    {
        bound.append(key);
        setState(key.isEmpty() ? State::Off : answer, key, detailOfAnswer);
    }
    void press() { emit activated(); }

    QList<QKeySequence> bound;
    State answer = State::Active;
    QString detailOfAnswer;
};

const QKeySequence kStoredKey(Qt::CTRL | Qt::ALT | Qt::Key_G);

} // namespace

// The hub and the global key: the stored key is bound at once and every change again, a press does
// what the tray icon's click does, and a key that cannot serve is told on standard error and in the
// preferences.
class TestHubGlobalKey : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { TestSupport::clearStore(); }
    void storedKeyIsBoundAndChangesRebound();
    void pressTogglesLikeTheTray();
    void unusableKeyIsTold_data();
    void unusableKeyIsTold();
    void preferencesShowTheHubsKey();
    void takenKeyChosenAgainIsAskedAgain();
};

void TestHubGlobalKey::storedKeyIsBoundAndChangesRebound()
{
    Preferences().setValue(ProgramSetting::GlobalShortcut, kStoredKey);
    RulerHub hub;
    FakeGlobalShortcut shortcut;
    hub.setGlobalShortcut(&shortcut);
    QCOMPARE(shortcut.bound, QList<QKeySequence>{kStoredKey});
    const QKeySequence changed(Qt::META | Qt::Key_F5);
    hub.preferences()->setValue(ProgramSetting::GlobalShortcut, changed);
    hub.preferences()->setValue(ProgramSetting::GlobalShortcut, QKeySequence());
    QCOMPARE(shortcut.bound, (QList<QKeySequence>{kStoredKey, changed, QKeySequence()}));
    QCOMPARE(shortcut.state(), State::Off);
}

void TestHubGlobalKey::pressTogglesLikeTheTray()
{
    RulerHub hub;
    FakeGlobalShortcut shortcut;
    hub.setGlobalShortcut(&shortcut);
    QWidget first;
    QWidget second;
    first.show();
    second.show();
    shortcut.press();
    QVERIFY(!first.isVisible());
    QVERIFY(!second.isVisible());
    // The tray brings back what the key hid, and the key hides again.
    emit hub.trayIcon()->activated(QSystemTrayIcon::Trigger);
    QVERIFY(first.isVisible());
    QVERIFY(second.isVisible());
    shortcut.press();
    QVERIFY(!first.isVisible());
    shortcut.press();
    QVERIFY(first.isVisible());
    QVERIFY(second.isVisible());
}

void TestHubGlobalKey::unusableKeyIsTold_data()
{
    QTest::addColumn<State>("answer");
    QTest::addColumn<QString>("detail");
    QTest::addColumn<QString>("told");
    QTest::newRow("taken") << State::Taken << ""
                           << "Ctrl\\+Alt\\+G is taken by another program";
    QTest::newRow("refused") << State::Refused << "The desktop refused the key."
                             << "refused the key";
    QTest::newRow("no way") << State::Unavailable << ""
                            << "gradora --toggle";
    QTest::newRow("active") << State::Active << ""
                            << "";
}

void TestHubGlobalKey::unusableKeyIsTold()
{
    QFETCH(State, answer);
    QFETCH(QString, detail);
    QFETCH(QString, told);
    Preferences().setValue(ProgramSetting::GlobalShortcut, kStoredKey);
    RulerHub hub;
    FakeGlobalShortcut shortcut;
    shortcut.answer = answer;
    shortcut.detailOfAnswer = detail;
    if (told.isEmpty())
        QTest::failOnWarning(QRegularExpression(QStringLiteral("global key")));
    else
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("global key: [\\s\\S]*") + told));
    hub.setGlobalShortcut(&shortcut);
    auto *note = hub.preferencesDialog()->findChild<QLabel *>(QStringLiteral("globalShortcutNote"));
    QVERIFY(note);
    QTextDocument shown;
    shown.setHtml(note->text());
    QCOMPARE(shown.toPlainText(), shortcut.note());
}

// A dialog made before the key was handed in follows the new one.
void TestHubGlobalKey::preferencesShowTheHubsKey()
{
    RulerHub hub;
    auto *note = hub.preferencesDialog()->findChild<QLabel *>(QStringLiteral("globalShortcutNote"));
    QVERIFY(note);
    // Offscreen the desktop offers no global keys: the page says how to bind the command instead.
    QVERIFY2(note->text().contains(QLatin1String("gradora --toggle")), qPrintable(note->text()));
    FakeGlobalShortcut shortcut;
    hub.setGlobalShortcut(&shortcut);
    hub.preferences()->setValue(ProgramSetting::GlobalShortcut, kStoredKey);
    QVERIFY2(note->text().contains(QLatin1String("Ctrl+Alt+G shows")), qPrintable(note->text()));
}

// The other program let the key go: choosing the same key again asks for it anew; a key that works
// is not asked for twice (a portal would ask the user again).
void TestHubGlobalKey::takenKeyChosenAgainIsAskedAgain()
{
    Preferences().setValue(ProgramSetting::GlobalShortcut, kStoredKey);
    RulerHub hub;
    FakeGlobalShortcut shortcut;
    shortcut.answer = State::Taken;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("global key: .*taken")));
    hub.setGlobalShortcut(&shortcut);
    QCOMPARE(shortcut.state(), State::Taken);
    auto *edit = hub.preferencesDialog()->findChild<QKeySequenceEdit *>(QStringLiteral("globalShortcutEdit"));
    QVERIFY(edit);
    shortcut.answer = State::Active;
    emit edit->editingFinished();
    QCOMPARE(shortcut.bound, (QList<QKeySequence>{kStoredKey, kStoredKey}));
    QCOMPARE(shortcut.state(), State::Active);
    emit edit->editingFinished();
    QCOMPARE(shortcut.bound.size(), 2);
}

GRADORA_TEST_MAIN(TestHubGlobalKey)
#include "tst_hubglobalkey.moc"
