// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "app/helplinks.h"
#include "ruler/commands/conventionkeys.h"
#include "ruler/commands/rulermenu.h"
#include "rulerfixture.h"

#include <QAction>
#include <QMenu>
#include <QPointer>
#include <QSettings>
#include <QTest>

using ConventionKeys::Command;
Q_DECLARE_METATYPE(ConventionKeys::Command)

// The desktop's common keys on a ruler: which chord means what, and what the ruler then does.
class TestConventionKeys : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void chords_data();
    void chords();
    void f1OpensTheHelpPage();
    void ctrlWClosesTheRuler();
    void escapeLeavesFullScreen();
    void escapeClosesTheContextMenu();
    void ctrlQClosesEveryRulerSavingEach();
    void ownQuitAndCloseKeysStillWork_data();
    void ownQuitAndCloseKeysStillWork();

private:
    RulerFixture m_fixture;
    QList<QUrl> m_opened;
    std::function<bool(const QUrl &)> m_realOpenUrl;
};

void TestConventionKeys::init()
{
    m_fixture.setUp();
    m_opened.clear();
    m_realOpenUrl = HelpLinks::openUrl;
    HelpLinks::openUrl = [this](const QUrl &url) {
        m_opened.append(url);
        return true;
    };
}

void TestConventionKeys::cleanup()
{
    HelpLinks::openUrl = m_realOpenUrl;
    // A closed ruler deletes itself later; it goes before the preferences it points to.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_fixture.tearDown();
}

void TestConventionKeys::chords_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("fullScreen");
    QTest::addColumn<Command>("command");
    const int ctrl = Qt::ControlModifier;
    const int alt = Qt::AltModifier;
    const int shift = Qt::ShiftModifier;
    const int keypad = Qt::KeypadModifier;
    QTest::newRow("F1") << int(Qt::Key_F1) << 0 << false << Command::Help;
    QTest::newRow("F1 in full screen") << int(Qt::Key_F1) << 0 << true << Command::Help;
    QTest::newRow("keypad flag is no modifier") << int(Qt::Key_F1) << keypad << false << Command::Help;
    QTest::newRow("Ctrl+F1") << int(Qt::Key_F1) << ctrl << false << Command::None;
    QTest::newRow("Ctrl+Q") << int(Qt::Key_Q) << ctrl << false << Command::Quit;
    QTest::newRow("Ctrl+W") << int(Qt::Key_W) << ctrl << false << Command::CloseRuler;
    QTest::newRow("Ctrl+C") << int(Qt::Key_C) << ctrl << false << Command::CopyReadings;
    QTest::newRow("Ctrl+Shift+C is not copy") << int(Qt::Key_C) << (ctrl | shift) << false << Command::None;
    QTest::newRow("Ctrl+Shift+Q is not quit") << int(Qt::Key_Q) << (ctrl | shift) << false << Command::None;
    QTest::newRow("Ctrl+Shift+W is not close") << int(Qt::Key_W) << (ctrl | shift) << false << Command::None;
    QTest::newRow("Ctrl+Alt+Q") << int(Qt::Key_Q) << (ctrl | alt) << false << Command::None;
    // The program's own keys are left to its own stages.
    QTest::newRow("Alt+Q is the program's") << int(Qt::Key_Q) << alt << false << Command::None;
    QTest::newRow("Alt+W is the program's") << int(Qt::Key_W) << alt << false << Command::None;
    QTest::newRow("Q alone") << int(Qt::Key_Q) << 0 << false << Command::None;
    QTest::newRow("W alone") << int(Qt::Key_W) << 0 << false << Command::None;
    QTest::newRow("Escape in full screen") << int(Qt::Key_Escape) << 0 << true << Command::LeaveFullScreen;
    QTest::newRow("Escape in a window") << int(Qt::Key_Escape) << 0 << false << Command::None;
    QTest::newRow("Shift+Escape") << int(Qt::Key_Escape) << shift << true << Command::None;
}

void TestConventionKeys::chords()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, fullScreen);
    QFETCH(Command, command);
    QCOMPARE(ConventionKeys::commandFor(key, Qt::KeyboardModifiers(modifiers), fullScreen), command);
}

void TestConventionKeys::f1OpensTheHelpPage()
{
    RulerWindow *ruler = m_fixture.shown(QRect(100, 100, 400, 300), true);
    QTest::keyClick(ruler, Qt::Key_F1);
    QCOMPARE(m_opened.size(), 1);
    QVERIFY(m_opened.first().toLocalFile().endsWith(QLatin1String("/_help.html")));
}

void TestConventionKeys::ctrlWClosesTheRuler()
{
    RulerWindow *first = m_fixture.shown(QRect(100, 100, 400, 300));
    RulerWindow *second = m_fixture.shown(QRect(200, 200, 400, 300), true);
    setOption(*second, RulerOption::ShowCentralPoint, true);
    QTest::keyClick(second, Qt::Key_W, Qt::ControlModifier);
    m_fixture.release(second);
    QCOMPARE(m_fixture.hub->rulers(), QList<RulerWindow *>{first});
    // Closed as "Close Ruler" closes: the session is saved without it.
    QCOMPARE(QSettings().value("crossHairVisible").toBool(), false);
    QCOMPARE(QSettings().value("geometry").toRect(), QRect(100, 100, 400, 300));
    QCOMPARE(QSettings().childGroups(), QStringList());
}

void TestConventionKeys::escapeLeavesFullScreen()
{
    const QRect normal(120, 80, 400, 300);
    RulerWindow *ruler = m_fixture.shown(normal, true);
    ruler->execute(RulerCommand::FullScreen);
    QVERIFY(ruler->state().fullScreen());
    QTest::keyClick(ruler, Qt::Key_Escape);
    QVERIFY(!ruler->state().fullScreen());
    QVERIFY(!ruler->menu()->action(RulerCommand::FullScreen)->isChecked());
    QTRY_COMPARE(ruler->geometry(), normal);
    // A second Escape in a window changes nothing.
    QTest::keyClick(ruler, Qt::Key_Escape);
    QVERIFY(!ruler->state().fullScreen());
}

void TestConventionKeys::escapeClosesTheContextMenu()
{
    RulerWindow *ruler = m_fixture.shown(QRect(100, 100, 400, 300), true);
    ruler->rebuildMenu();
    QMenu *menu = ruler->menu()->contextMenu();
    menu->popup(QPoint(150, 150));
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    QTest::keyClick(menu, Qt::Key_Escape);
    QTRY_VERIFY(!menu->isVisible());
}

void TestConventionKeys::ctrlQClosesEveryRulerSavingEach()
{
    QPointer<RulerWindow> first = m_fixture.shown(QRect(100, 100, 400, 300));
    QPointer<RulerWindow> second = m_fixture.shown(QRect(200, 200, 300, 250), true);
    m_fixture.release(first);
    m_fixture.release(second);
    setOption(*first, RulerOption::ShowCentralPoint, true);
    setOption(*second, RulerOption::ShowCentralPoint, true);
    QTest::keyClick(second, Qt::Key_Q, Qt::ControlModifier);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // As "Quit": every ruler closed (each saving as it closes), the last one kept until the end.
    QCOMPARE(int(!first) + int(!second), 1);
    for (const QPointer<RulerWindow> &ruler : {first, second}) {
        if (ruler) {
            QVERIFY(!ruler->isVisible());
            delete ruler.data();
        }
    }
    const QRect saved = QSettings().value("geometry").toRect();
    QVERIFY(saved == QRect(100, 100, 400, 300) || saved == QRect(200, 200, 300, 250));
    QCOMPARE(QSettings().value("crossHairVisible").toBool(), true);
}

void TestConventionKeys::ownQuitAndCloseKeysStillWork_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("rulersLeft");
    QTest::newRow("Alt+W closes") << int(Qt::Key_W) << int(Qt::AltModifier) << 1;
    QTest::newRow("W alone toggles nothing that closes") << int(Qt::Key_W) << 0 << 2;
    QTest::newRow("Q alone does not quit") << int(Qt::Key_Q) << 0 << 2;
    QTest::newRow("Ctrl+Shift+W does not close")
        << int(Qt::Key_W) << int(Qt::ControlModifier | Qt::ShiftModifier) << 2;
}

void TestConventionKeys::ownQuitAndCloseKeysStillWork()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, rulersLeft);
    m_fixture.shown(QRect(100, 100, 400, 300));
    RulerWindow *second = m_fixture.shown(QRect(200, 200, 400, 300), true);
    QTest::keyClick(second, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    if (m_fixture.hub->rulers().size() < 2)
        m_fixture.release(second);
    QCOMPARE(m_fixture.hub->rulers().size(), rulersLeft);
    QVERIFY(second == nullptr || rulersLeft == 1 || second->isVisible());
}

GRADORA_TEST_MAIN(TestConventionKeys)
#include "tst_conventionkeys.moc"
