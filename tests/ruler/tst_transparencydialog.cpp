// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "app/rulerhub.h"
#include "ruler/dialogs/transparencydialog.h"
#include "ruler/window/rulerwindow.h"
#include "testsupport.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>
#include <functional>
#include <memory>

// The "Transparency" dialog on offscreen rulers.
namespace {
struct Seen
{
    int spinBox = 0;
    int slider = 0;
    int rulerAlpha = 0;
};

enum class Close
{
    Ok,
    Cancel,
    Escape
};
} // namespace

Q_DECLARE_METATYPE(Close)

class TestTransparency : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void openingAndClosing_data();
    void openingAndClosing();
    void reopenedByAnotherRuler();

private:
    RulerWindow *makeRuler();
    Seen runDialog(RulerWindow *ruler, const std::function<void(TransparencyDialog *)> &whileOpen, Close close);

    std::unique_ptr<RulerHub> m_hub;
    QList<RulerWindow *> m_rulers;
};

void TestTransparency::init()
{
    TestSupport::clearStore();
    m_hub = std::make_unique<RulerHub>();
    m_hub->preferences()->setValue(ProgramSetting::ShowInfoPanel, false);
}

void TestTransparency::cleanup()
{
    qDeleteAll(m_rulers);
    m_rulers.clear();
    m_hub.reset();
}

RulerWindow *TestTransparency::makeRuler()
{
    RulerWindow *ruler = m_hub->createRuler();
    ruler->setGeometry(100, 100, 300, 200);
    ruler->show();
    m_rulers.append(ruler);
    if (!QTest::qWaitForWindowExposed(ruler))
        qWarning("ruler not exposed");
    return ruler;
}

Seen TestTransparency::runDialog(RulerWindow *ruler, const std::function<void(TransparencyDialog *)> &whileOpen,
                                 Close close)
{
    Seen seen;
    TransparencyDialog *dialog = m_hub->transparencyDialog();
    QTimer::singleShot(0, dialog, [&] {
        if (whileOpen)
            whileOpen(dialog);
        seen.spinBox = dialog->findChild<QSpinBox *>("alphaBox")->value();
        seen.slider = dialog->findChild<QSlider *>("alphaSlider")->value();
        seen.rulerAlpha = ruler->state().color(ColorTarget::Background).alpha();
        switch (close) {
        case Close::Ok:
            dialog->findChild<QDialogButtonBox *>("buttonBox")->button(QDialogButtonBox::Ok)->click();
            break;
        case Close::Cancel:
            dialog->findChild<QDialogButtonBox *>("buttonBox")->button(QDialogButtonBox::Cancel)->click();
            break;
        case Close::Escape:
            QTest::keyClick(dialog, Qt::Key_Escape);
            break;
        }
    });
    ruler->execute(RulerCommand::Transparency);
    return seen;
}

void TestTransparency::openingAndClosing_data()
{
    QTest::addColumn<int>("opening");
    QTest::addColumn<int>("slideTo"); // 0: leave the controls alone
    QTest::addColumn<Close>("close");
    QTest::addColumn<int>("shown");
    QTest::addColumn<int>("liveAlpha");
    QTest::addColumn<int>("finalAlpha");
    // What the dialog gives goes through the body's limit: an alpha below 25 is raised at once.
    QTest::newRow("slider to 10, OK gives 10, raised to 25") << 200 << 10 << Close::Ok << 10 << 25 << 25;
    QTest::newRow("slider to 10, Cancel restores 200") << 200 << 10 << Close::Cancel << 10 << 25 << 200;
    QTest::newRow("slider to 60, OK keeps 60") << 200 << 60 << Close::Ok << 60 << 60 << 60;
    QTest::newRow("slider to 60, Cancel restores 200") << 200 << 60 << Close::Cancel << 60 << 60 << 200;
    QTest::newRow("slider to 60, Escape restores 200") << 200 << 60 << Close::Escape << 60 << 60 << 200;
}

void TestTransparency::openingAndClosing()
{
    QFETCH(int, opening);
    QFETCH(int, slideTo);
    QFETCH(Close, close);
    RulerWindow *ruler = makeRuler();
    QColor body = ruler->state().color(ColorTarget::Background);
    body.setAlpha(opening);
    ruler->setColor(ColorTarget::Background, body);
    const Seen seen = runDialog(
        ruler,
        [&](TransparencyDialog *dialog) {
            if (slideTo != 0)
                dialog->findChild<QSlider *>("alphaSlider")->setValue(slideTo);
        },
        close);
    QTEST(seen.spinBox, "shown");
    QTEST(seen.slider, "shown");
    if (slideTo != 0)
        QTEST(seen.rulerAlpha, "liveAlpha");
    QTEST(ruler->state().color(ColorTarget::Background).alpha(), "finalAlpha");
}

void TestTransparency::reopenedByAnotherRuler()
{
    // The second opening drops the first ruler's live connection but keeps the box driving the slider.
    RulerWindow *first = makeRuler();
    RulerWindow *second = makeRuler();
    for (const auto &[ruler, alpha] : {std::pair{first, 100}, std::pair{second, 140}}) {
        QColor body = ruler->state().color(ColorTarget::Background);
        body.setAlpha(alpha);
        ruler->setColor(ColorTarget::Background, body);
    }
    runDialog(first, {}, Close::Ok);
    const Seen seen = runDialog(
        second, [](TransparencyDialog *dialog) { dialog->findChild<QSpinBox *>("alphaBox")->setValue(90); }, Close::Ok);
    QCOMPARE(seen.slider, 90);
    QCOMPARE(seen.rulerAlpha, 90);
    QCOMPARE(first->state().color(ColorTarget::Background).alpha(), 100);
    QCOMPARE(second->state().color(ColorTarget::Background).alpha(), 90);
    QVERIFY(m_hub->transparencyDialog()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

GRADORA_TEST_MAIN(TestTransparency)
#include "tst_transparencydialog.moc"
