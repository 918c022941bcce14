// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "app/magnifier.h"
#include "figure/figurekind.h"
#include "ruler/commands/mnemonics.h"
#include "ruler/commands/rulermenu.h"
#include "ruler/dialogs/positiondialog.h"
#include "ruler/panel/infopanel.h"
#include "rulerfixture.h"

#include <QAction>
#include <QActionGroup>
#include <QKeyEvent>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <memory>

Q_DECLARE_METATYPE(RulerOption)

// The keyboard on a ruler with the focus, the figure-kind entries, and the information panel.
class TestRulerKeys : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void figureKindKeys_data();
    void figureKindKeys();
    void figureEntriesAndCheckMarks_data();
    void figureEntriesAndCheckMarks();
    void freeEntriesChangeNothing();
    void turningKeys_data();
    void turningKeys();
    void sixtyFourFineTurnsMakeOneCoarse();
    void pageUpThenPageDown();
    void nudgeKeys_data();
    void nudgeKeys();
    void tabTogglesPlacement();
    void tabIgnoredOnARatioRectangle();
    void altShiftChordLetters_data();
    void altShiftChordLetters();
    void altShiftChordsOpenAndClear();
    void optionKeys_data();
    void optionKeys();
    void figureCenteredOnFirstShow();

    void panelShowsTheActiveRulerOnly();
    void panelExtraSideLabel_data();
    void panelExtraSideLabel();
    void panelSideFlipsTwice();
    void panelGoesLeftNearTheRightEdge();
    void draggingThePanelDragsTheRuler();

private:
    RulerWindow *makeRuler(const QRect &geometry = QRect(100, 100, 600, 400))
    {
        return m_fixture.shown(geometry, true);
    }
    RulerFixture m_fixture;
};

void TestRulerKeys::init()
{
    m_fixture.setUp();
}

void TestRulerKeys::cleanup()
{
    m_fixture.tearDown();
}

void TestRulerKeys::figureKindKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<FigureKind>("kind");
    QTest::addColumn<bool>("ratio");
    const int alt = Qt::AltModifier;
    const int shift = Qt::ShiftModifier;
    QTest::newRow("1") << int(Qt::Key_1) << 0 << FigureKind::CornerRectangle << false;
    QTest::newRow("4") << int(Qt::Key_4) << 0 << FigureKind::CornerIsoscelesTriangle << false;
    QTest::newRow("7") << int(Qt::Key_7) << 0 << FigureKind::CornerEllipse << false;
    QTest::newRow("Shift+2") << int(Qt::Key_2) << shift << FigureKind::CenteredSquare << false;
    QTest::newRow("Shift+6") << int(Qt::Key_6) << shift << FigureKind::CenteredCircle << false;
    QTest::newRow("0") << int(Qt::Key_0) << 0 << FigureKind::CornerRectangle << false;
    for (int digit = 1; digit <= 7; ++digit)
        QTest::addRow("Alt+%d", digit) << int(Qt::Key_0 + digit) << alt << FigureKind::CornerSquare << true;
    QTest::newRow("Alt+Shift+1 keeps the ratio")
        << int(Qt::Key_1) << (alt | shift) << FigureKind::CornerSquare << true;
    const FigureKind centered[] = {
        FigureKind::CenteredSquare,        FigureKind::CenteredRhombus, FigureKind::CenteredIsoscelesTriangle,
        FigureKind::CenteredRightTriangle, FigureKind::CenteredCircle,  FigureKind::CenteredEllipse};
    for (int digit = 2; digit <= 7; ++digit)
        QTest::addRow("Alt+Shift+%d", digit)
            << int(Qt::Key_0 + digit) << (alt | shift) << centered[digit - 2] << false;
    QTest::newRow("exclamation mark")
        << int(Qt::Key_Exclam) << shift << FigureKind::CenteredRectangle << false;
    QTest::newRow("at sign") << int(Qt::Key_At) << shift << FigureKind::CenteredSquare << false;
    QTest::newRow("ampersand") << int(Qt::Key_Ampersand) << shift << FigureKind::CenteredEllipse << false;
}

void TestRulerKeys::figureKindKeys()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(FigureKind, kind);
    QFETCH(bool, ratio);
    RulerWindow *ruler = makeRuler();
    QTest::keyClick(ruler, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(ruler->flyingFigure().kind, kind);
    QCOMPARE(ruler->flyingFigure().isRatioRectangle(), ratio);
    QVERIFY(ruler->menu()->checkedIn(RulerCommands::Group::Figure) != RulerCommand::Count);
}

void TestRulerKeys::figureEntriesAndCheckMarks_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<FigureKind>("corner");
    QTest::addColumn<FigureKind>("centered");
    for (int i = 0; i < RulerCommands::kShapes; ++i)
        QTest::addRow("shape %d", i + 1) << i << FigureKinds::cornerKind(i) << FigureKinds::centerKind(i);
}

void TestRulerKeys::figureEntriesAndCheckMarks()
{
    QFETCH(int, index);
    QFETCH(FigureKind, corner);
    QFETCH(FigureKind, centered);
    RulerWindow *ruler = makeRuler();
    RulerMenu *menu = ruler->menu();
    menu->action(RulerCommands::cornerShape(index))->trigger();
    QCOMPARE(ruler->flyingFigure().kind, corner);
    QVERIFY(menu->action(RulerCommands::cornerShape(index))->isChecked());
    menu->action(RulerCommands::centeredShape(index))->trigger();
    QCOMPARE(ruler->flyingFigure().kind, centered);
    QVERIFY(menu->action(RulerCommands::centeredShape(index))->isChecked());
    if (index < kRatioRectangleCount) {
        menu->action(RulerCommands::ratio(index))->trigger();
        QVERIFY(ruler->flyingFigure().isRatioRectangle());
        QCOMPARE(ruler->flyingFigure().ratio, kRatioRectangles[index].ratio);
        QVERIFY(menu->action(RulerCommands::ratio(index))->isChecked());
    }
    menu->action(RulerCommand::FlyingRuler)->trigger();
    QVERIFY(ruler->flyingFigure().flyingRuler);
    QVERIFY(menu->action(RulerCommand::FlyingRuler)->isChecked());
}

void TestRulerKeys::freeEntriesChangeNothing()
{
    RulerWindow *ruler = makeRuler();
    const FigureKind kind = ruler->flyingFigure().kind;
    const QPoint origin = ruler->flyingFigure().origin;
    for (int i = 0; i < RulerCommands::kShapes; ++i)
        ruler->execute(RulerCommands::freeShape(i));
    QCOMPARE(ruler->flyingFigure().kind, kind);
    QCOMPARE(ruler->flyingFigure().origin, origin);
}

void TestRulerKeys::turningKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<double>("turn");
    QTest::newRow("Z") << int(Qt::Key_Z) << 0.17578125;
    QTest::newRow("A") << int(Qt::Key_A) << -0.17578125;
    QTest::newRow("X") << int(Qt::Key_X) << 11.25;
    QTest::newRow("S") << int(Qt::Key_S) << -11.25;
    QTest::newRow("C") << int(Qt::Key_C) << 45.0;
    QTest::newRow("D") << int(Qt::Key_D) << -45.0;
    QTest::newRow("V") << int(Qt::Key_V) << 90.0;
    QTest::newRow("F") << int(Qt::Key_F) << -90.0;
}

void TestRulerKeys::turningKeys()
{
    QFETCH(int, key);
    QFETCH(double, turn);
    RulerWindow *ruler = makeRuler();
    ruler->execute(RulerCommands::cornerShape(0));
    FigureModel turned = ruler->flyingFigure();
    turned.angle = 100;
    ruler->setFlyingFigure(turned);
    QTest::keyClick(ruler, Qt::Key(key));
    QVERIFY2(qAbs(ruler->flyingFigure().angle - (100 + turn)) < 1e-9,
             qPrintable(QString::number(ruler->flyingFigure().angle)));
}

void TestRulerKeys::sixtyFourFineTurnsMakeOneCoarse()
{
    RulerWindow *ruler = makeRuler();
    ruler->execute(RulerCommands::cornerShape(0));
    for (int i = 0; i < 64; ++i)
        QTest::keyClick(ruler, Qt::Key_Z);
    QCOMPARE(ruler->flyingFigure().angle, 11.25);
}

void TestRulerKeys::pageUpThenPageDown()
{
    RulerWindow *ruler = makeRuler();
    ruler->execute(RulerCommands::cornerShape(0));
    const float width = ruler->flyingFigure().points[1].x;
    QTest::keyClick(ruler, Qt::Key_PageUp);
    QVERIFY(ruler->flyingFigure().points[1].x > width);
    QTest::keyClick(ruler, Qt::Key_PageDown);
    QVERIFY(qAbs(ruler->flyingFigure().points[1].x - width * 0.9999f) <= 1.0f);
}

void TestRulerKeys::nudgeKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QPoint>("moved");
    QTest::newRow("I") << int(Qt::Key_I) << QPoint(0, -1);
    QTest::newRow("K") << int(Qt::Key_K) << QPoint(0, 1);
    QTest::newRow("J") << int(Qt::Key_J) << QPoint(-1, 0);
    QTest::newRow("L") << int(Qt::Key_L) << QPoint(1, 0);
}

void TestRulerKeys::nudgeKeys()
{
    QFETCH(int, key);
    QFETCH(QPoint, moved);
    RulerWindow *ruler = makeRuler();
    const QPoint origin = ruler->flyingFigure().origin;
    QTest::keyClick(ruler, Qt::Key(key));
    QCOMPARE(ruler->flyingFigure().origin, origin + moved);
}

void TestRulerKeys::tabTogglesPlacement()
{
    RulerWindow *ruler = makeRuler();
    ruler->execute(RulerCommands::cornerShape(2));
    QTest::keyClick(ruler, Qt::Key_Tab);
    QCOMPARE(ruler->flyingFigure().kind, FigureKind::CenteredRhombus);
    QTest::keyClick(ruler, Qt::Key_Tab);
    QCOMPARE(ruler->flyingFigure().kind, FigureKind::CornerRhombus);
}

void TestRulerKeys::tabIgnoredOnARatioRectangle()
{
    RulerWindow *ruler = makeRuler();
    QTest::keyClick(ruler, Qt::Key_2, Qt::AltModifier);
    QVERIFY(ruler->flyingFigure().isRatioRectangle());
    QTest::keyClick(ruler, Qt::Key_Tab);
    QCOMPARE(ruler->flyingFigure().kind, FigureKind::CornerSquare);
    QVERIFY(ruler->flyingFigure().isRatioRectangle());
}

void TestRulerKeys::altShiftChordLetters_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<RulerOption>("option");
    QTest::newRow("A anti-aliasing") << int(Qt::Key_A) << RulerOption::AntiAliasing;
    QTest::newRow("C cross-hair") << int(Qt::Key_C) << RulerOption::ShowCentralPoint;
    QTest::newRow("H height number") << int(Qt::Key_H) << RulerOption::ShowHeightNumber;
    QTest::newRow("R bottom-right labels") << int(Qt::Key_R) << RulerOption::ShowBottomRightLabels;
    QTest::newRow("S reverse Alt") << int(Qt::Key_S) << RulerOption::ReverseAlt;
    QTest::newRow("W width number") << int(Qt::Key_W) << RulerOption::ShowWidthNumber;
    QTest::newRow("Y minimal readings") << int(Qt::Key_Y) << RulerOption::MinimalReadings;
}

// The keys of an Alt+Shift chord as X delivers them. Pressed after Shift, the Alt key arrives as Meta
// with the Meta modifier; the modifiers given are those of the X state before each event.
static void pressChord(RulerWindow *ruler, int key, bool shiftFirst)
{
    const Qt::KeyboardModifiers altShift = Qt::AltModifier | Qt::ShiftModifier;
    auto send = [ruler](QEvent::Type type, int code, Qt::KeyboardModifiers held) {
        QKeyEvent event(type, code, held);
        QApplication::sendEvent(ruler, &event);
    };
    if (shiftFirst) {
        send(QEvent::KeyPress, Qt::Key_Shift, Qt::NoModifier);
        send(QEvent::KeyPress, Qt::Key_Meta, Qt::ShiftModifier);
    } else {
        send(QEvent::KeyPress, Qt::Key_Alt, Qt::NoModifier);
        send(QEvent::KeyPress, Qt::Key_Shift, Qt::AltModifier);
    }
    send(QEvent::KeyPress, key, altShift);
    send(QEvent::KeyRelease, key, altShift);
    if (shiftFirst)
        send(QEvent::KeyRelease, Qt::Key_Meta, altShift | Qt::MetaModifier);
    else
        send(QEvent::KeyRelease, Qt::Key_Shift, altShift);
    send(QEvent::KeyRelease, shiftFirst ? Qt::Key_Shift : Qt::Key_Alt,
         shiftFirst ? Qt::ShiftModifier : Qt::AltModifier);
}

void TestRulerKeys::altShiftChordLetters()
{
    QFETCH(int, key);
    QFETCH(RulerOption, option);
    for (bool shiftFirst : {false, true}) {
        RulerWindow *ruler = makeRuler();
        const bool before = ruler->state().options().value(option);
        const double angle = ruler->flyingFigure().angle;
        pressChord(ruler, key, shiftFirst);
        QVERIFY2(ruler->state().options().value(option) != before, shiftFirst ? "Shift first" : "Alt first");
        QCOMPARE(ruler->flyingFigure().angle, angle);
        // Nothing stays held: the plain key acts on its own again.
        QTest::keyClick(ruler, Qt::Key_Z);
        QCOMPARE(ruler->flyingFigure().angle, angle + 0.17578125);
    }
}

void TestRulerKeys::altShiftChordsOpenAndClear()
{
    for (bool shiftFirst : {false, true}) {
        RulerWindow *ruler = makeRuler();
        const char *order = shiftFirst ? "Shift first" : "Alt first";
        RulerFixture::placeGuide(ruler, Qt::Horizontal, 50);
        QVERIFY2(!ruler->guides().isEmpty(), order);
        pressChord(ruler, Qt::Key_G, shiftFirst);
        QVERIFY2(ruler->guides().isEmpty(), order);
        QVERIFY2(ruler->state().options().value(RulerOption::ShowGuides), order);

        const bool controlPoints = ruler->state().options().value(RulerOption::HideControlPoints);
        pressChord(ruler, Qt::Key_M, shiftFirst);
        QVERIFY2(m_fixture.hub->magnifier()->isVisible(), order);
        QCOMPARE(ruler->state().options().value(RulerOption::HideControlPoints), controlPoints);
        m_fixture.hub->magnifier()->hide();

        // The position dialog is modal: it is seen open and closed from within its own event loop.
        const bool hover = m_fixture.preferences()->value<bool>(ProgramSetting::ActivateOnHover);
        PositionDialog *dialog = m_fixture.hub->positionDialog();
        bool opened = false;
        QTimer::singleShot(0, dialog, [dialog, &opened] {
            opened = dialog->isVisible();
            dialog->reject();
        });
        pressChord(ruler, Qt::Key_P, shiftFirst);
        QVERIFY2(opened, order);
        QCOMPARE(m_fixture.preferences()->value<bool>(ProgramSetting::ActivateOnHover), hover);
        m_fixture.tearDown();
        m_fixture.setUp();
    }
}

void TestRulerKeys::optionKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<RulerOption>("option");
    QTest::newRow("B border") << int(Qt::Key_B) << RulerOption::ShowBorder;
    QTest::newRow("G guides") << int(Qt::Key_G) << RulerOption::ShowGuides;
    QTest::newRow("H hover guides") << int(Qt::Key_H) << RulerOption::HoverGuides;
    QTest::newRow("M control points") << int(Qt::Key_M) << RulerOption::HideControlPoints;
    QTest::newRow("R rotation centre") << int(Qt::Key_R) << RulerOption::ShowRotationCenter;
    QTest::newRow("T figure readings") << int(Qt::Key_T) << RulerOption::ShowFigureReadings;
    QTest::newRow("Y readings") << int(Qt::Key_Y) << RulerOption::ShowReadings;
    QTest::newRow("grave accent figure") << int(Qt::Key_QuoteLeft) << RulerOption::ShowFigure;
}

void TestRulerKeys::optionKeys()
{
    QFETCH(int, key);
    QFETCH(RulerOption, option);
    RulerWindow *ruler = makeRuler();
    const bool before = ruler->state().options().value(option);
    QTest::keyClick(ruler, Qt::Key(key));
    QCOMPARE(ruler->state().options().value(option), !before);
}

void TestRulerKeys::figureCenteredOnFirstShow()
{
    RulerWindow *ruler = makeRuler(QRect(50, 60, 700, 500));
    const QPointF center = ruler->flyingFigure().screenCenter();
    QVERIFY(qAbs(center.x() - 350) <= 1 && qAbs(center.y() - 250) <= 1);
    QVERIFY(ruler->flyingFigure().flyingRuler);
    QCOMPARE(ruler->flyingFigure().angle, 323.24);
}

void TestRulerKeys::panelShowsTheActiveRulerOnly()
{
    RulerWindow *first = makeRuler(QRect(100, 100, 300, 200));
    QTest::mouseClick(first, Qt::LeftButton, Qt::NoModifier, QPoint(150, 150));
    first->repaint();
    InfoPanel *panel = m_fixture.hub->infoPanel();
    QCOMPARE(panel->owner(), first);
    QCOMPARE(panel->rulerLabel(InfoPanel::Width)->text(), QStringLiteral("W: 300 px "));

    RulerWindow *second = makeRuler(QRect(100, 400, 250, 150));
    QTest::mouseClick(second, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    second->repaint();
    first->repaint(); // inactive: must not write its texts
    QCOMPARE(panel->owner(), second);
    QCOMPARE(panel->rulerLabel(InfoPanel::Width)->text(), QStringLiteral("W: 250 px "));
}

void TestRulerKeys::panelExtraSideLabel_data()
{
    QTest::addColumn<FigureKind>("kind");
    QTest::addColumn<QString>("tip");
    QTest::newRow("right triangle") << FigureKind::CornerRightTriangle << "Hypotenuse Length";
    QTest::newRow("rhombus") << FigureKind::CenteredRhombus << "Rhombus Side Length";
    QTest::newRow("isosceles") << FigureKind::CornerIsoscelesTriangle << "Isosceles Triangle Leg";
    QTest::newRow("rectangle") << FigureKind::CornerRectangle << "";
}

void TestRulerKeys::panelExtraSideLabel()
{
    QFETCH(FigureKind, kind);
    QFETCH(QString, tip);
    RulerWindow *ruler = makeRuler();
    FigureModel figure = ruler->flyingFigure();
    figure.create(kind, ruler->size());
    ruler->setFlyingFigure(figure);
    QTest::mouseClick(ruler, Qt::LeftButton, Qt::NoModifier, QPoint(580, 380));
    ruler->repaint();
    QLabel *extra = m_fixture.hub->infoPanel()->extraSideLabel();
    QCOMPARE(extra->toolTip(), tip);
    QCOMPARE(extra->isVisibleTo(m_fixture.hub->infoPanel()), !tip.isEmpty());
}

void TestRulerKeys::panelSideFlipsTwice()
{
    RulerWindow *ruler = makeRuler();
    QCOMPARE(m_fixture.preferences()->value<PanelSide>(ProgramSetting::PanelSide), PanelSide::Right);
    QAction *panelSide = ruler->menu()->action(RulerCommand::PanelSide);
    panelSide->trigger();
    QCOMPARE(m_fixture.preferences()->value<PanelSide>(ProgramSetting::PanelSide), PanelSide::Left);
    QCOMPARE(Mnemonics::strip(panelSide->text()), QStringLiteral("Send Panel to Right"));
    QTest::keyClick(ruler, Qt::Key_Period);
    QCOMPARE(m_fixture.preferences()->value<PanelSide>(ProgramSetting::PanelSide), PanelSide::Right);
    QCOMPARE(Mnemonics::strip(panelSide->text()), QStringLiteral("Send Panel to Left"));
}

void TestRulerKeys::panelGoesLeftNearTheRightEdge()
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    RulerWindow *ruler = makeRuler(QRect(screen.right() - 320, 100, 300, 200));
    ruler->followWindowMove();
    InfoPanel *panel = m_fixture.hub->infoPanel();
    QCOMPARE(panel->x(), ruler->x() - Preferences::kPanelSpacing - panel->width());
    QCOMPARE(panel->y(), ruler->y());

    ruler->move(100, 100);
    QTRY_COMPARE(panel->x(), ruler->x() + ruler->width() + Preferences::kPanelSpacing);
}

void TestRulerKeys::draggingThePanelDragsTheRuler()
{
    RulerWindow *ruler = makeRuler(QRect(100, 100, 300, 200));
    ruler->followWindowMove();
    InfoPanel *panel = m_fixture.hub->infoPanel();
    QVERIFY(QTest::qWaitForWindowExposed(panel));
    QTest::mousePress(panel, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
    QTest::mouseMove(panel, QPoint(50, 60));
    QTest::mouseRelease(panel, Qt::LeftButton, Qt::NoModifier, QPoint(50, 60));
    QTRY_COMPARE(ruler->pos(), QPoint(130, 140));
    QTRY_VERIFY(ruler->isActiveWindow());
}

GRADORA_TEST_MAIN(TestRulerKeys)
#include "tst_rulerkeys.moc"
