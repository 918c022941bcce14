// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "prefs/preferences.h"
#include "ruler/panel/infopanel.h"
#include "ruler/panel/panelfollower.h"
#include "testsupport.h"

#include <QLabel>
#include <QTest>
#include <QWidget>

// One ruler's side of the information panel, without a ruler window: whom the panel follows, where it
// stands, when it shows, and whose texts it lists.
class TestPanelFollower : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void follow_data();
    void follow();
    void claimWaitsForAPanelNotYetMade();
    void onlyTheOwnerSendsItsTexts();
};

namespace {

const QRect kScreen(0, 0, 1600, 1000);
const QRect kFrame(600, 300, 300, 200);

struct RulerLog
{
    int keyboardTaken = 0;
    int textsAsked = 0;
    bool waiting = false;
};

class FakeRuler final : public PanelFollower::Ruler
{
public:
    FakeRuler(QWidget &window, InfoPanel *panel, Preferences &preferences, RulerLog &log, QString width)
        : m_window(window), m_panel(panel), m_preferences(preferences), m_log(log), m_width(std::move(width))
    {
    }
    QWidget *window() const override { return &m_window; }
    QRect frame() const override { return kFrame; }
    InfoPanel *panel() const override { return m_panel; }
    Preferences *preferences() const override { return &m_preferences; }
    bool staysOnTop() const override { return false; }
    PanelTexts texts() const override
    {
        ++m_log.textsAsked;
        PanelTexts texts;
        texts.ruler.width = m_width;
        texts.figureShown = false;
        return texts;
    }
    void beginDrag() override {}
    void dragTo(const QPoint &) override {}
    void endDrag() override {}
    void keepKeyboard() override { ++m_log.keyboardTaken; }
    void waitForPanel() override { m_log.waiting = true; }

private:
    QWidget &m_window;
    InfoPanel *m_panel;
    Preferences &m_preferences;
    RulerLog &m_log;
    QString m_width;
};

} // namespace

void TestPanelFollower::init()
{
    TestSupport::clearStore();
}

void TestPanelFollower::follow_data()
{
    QTest::addColumn<bool>("panelShown");
    QTest::addColumn<bool>("follows");
    QTest::addColumn<PanelSide>("side");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<int>("keyboardTaken");

    QTest::newRow("shown and followed: beside on the right") << true << true << PanelSide::Right << true << 1;
    QTest::newRow("shown and followed: beside on the left") << true << true << PanelSide::Left << true << 1;
    // A press lets go of the panel for a moment: it is placed, but neither shown nor given the keyboard.
    QTest::newRow("shown, let go of: placed only") << true << false << PanelSide::Right << false << 0;
    QTest::newRow("hidden and followed: hides") << false << true << PanelSide::Right << false << 1;
    QTest::newRow("hidden, let go of: left alone") << false << false << PanelSide::Right << false << 0;
}

void TestPanelFollower::follow()
{
    QFETCH(bool, panelShown);
    QFETCH(bool, follows);
    QFETCH(PanelSide, side);

    QWidget window;
    InfoPanel panel;
    Preferences preferences;
    preferences.setValue(ProgramSetting::ShowInfoPanel, panelShown);
    preferences.setValue(ProgramSetting::PanelSide, side);
    RulerLog log;
    PanelFollower follower(std::make_unique<FakeRuler>(window, &panel, preferences, log, QString()));
    follower.setFollows(follows);
    follower.follow(kFrame, kScreen, false);

    QTEST(panel.isVisible(), "visible");
    QTEST(log.keyboardTaken, "keyboardTaken");
    if (panelShown) {
        if (side == PanelSide::Right)
            QVERIFY2(panel.x() > kFrame.right(), qPrintable(QString::number(panel.x())));
        else
            QVERIFY2(panel.x() + panel.width() <= kFrame.left(), qPrintable(QString::number(panel.x())));
    }
}

void TestPanelFollower::claimWaitsForAPanelNotYetMade()
{
    QWidget window;
    Preferences preferences;
    RulerLog log;
    PanelFollower follower(std::make_unique<FakeRuler>(window, nullptr, preferences, log, QString()));
    follower.setFollows(false);
    follower.claim();
    QVERIFY(!log.waiting);
    follower.setFollows(true);
    follower.claim();
    QVERIFY(log.waiting);
}

void TestPanelFollower::onlyTheOwnerSendsItsTexts()
{
    QWidget firstWindow;
    QWidget secondWindow;
    InfoPanel panel;
    Preferences preferences;
    RulerLog firstLog;
    RulerLog secondLog;
    PanelFollower first(std::make_unique<FakeRuler>(firstWindow, &panel, preferences, firstLog, "first"));
    PanelFollower second(std::make_unique<FakeRuler>(secondWindow, &panel, preferences, secondLog, "second"));

    first.claim();
    QCOMPARE(panel.owner(), &firstWindow);
    QVERIFY(first.ownsPanel());
    QVERIFY(!second.ownsPanel());
    second.sendTexts();
    QCOMPARE(secondLog.textsAsked, 0);
    first.sendTexts();
    QCOMPARE(firstLog.textsAsked, 1);
    QCOMPARE(panel.rulerLabel(InfoPanel::Width)->text(), QStringLiteral("first"));

    second.claim();
    QCOMPARE(panel.owner(), &secondWindow);
    first.sendTexts();
    second.sendTexts();
    QCOMPARE(firstLog.textsAsked, 1);
    QCOMPARE(panel.rulerLabel(InfoPanel::Width)->text(), QStringLiteral("second"));
}

GRADORA_TEST_MAIN(TestPanelFollower)
#include "tst_panelfollower.moc"
