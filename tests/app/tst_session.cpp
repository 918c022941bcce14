// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "app/rulerhub.h"
#include "ruler/commands/rulermenu.h"
#include "ruler/placement/geometryrule.h"
#include "rulerfixture.h"

#include <QFile>
#include <QScreen>

#include <QImage>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {

// How the run that is restored ended.
enum class Ending
{
    SessionEnd,   // the session manager or a signal: everything saved, then the end
    QuitCommand,  // "Quit": the session saved, then every window closes on the way out
    QuitKey,      // the quit key on one ruler
    HiddenByTray, // the end of the session while the tray hides every ruler
};

struct Wanted
{
    QRect geometry;
    QList<RulerOption> turned; // from their defaults
    QColor background;
    QColor guides;
    FigureKind kind;
    double turn;
    bool picture;
};

const Wanted kRulers[] = {
    {QRect(40, 50, 420, 260),
     {RulerOption::ShowCentralPoint, RulerOption::ZeroAtLeft},
     QColor(10, 200, 30, 90),
     QColor(Qt::green),
     FigureKind::FlyingRuler,
     12.5,
     false},
    {QRect(500, 80, 300, 340),
     {RulerOption::ShowBorder, RulerOption::StayOnTop},
     QColor(240, 240, 40, 200),
     QColor(Qt::blue),
     FigureKind::CenteredEllipse,
     200.25,
     true},
    {QRect(120, 420, 640, 180),
     {RulerOption::ShowFigure, RulerOption::ShowTopTicker},
     QColor(30, 30, 230, 150),
     QColor(Qt::black),
     FigureKind::CornerRightTriangle,
     0,
     false},
};

} // namespace

Q_DECLARE_METATYPE(Ending)

// Every open ruler comes back at the next start, as it was: through the program around the rulers,
// with real windows (offscreen).
class TestSession : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void everyRulerComesBack_data();
    void everyRulerComesBack();
    void closedRulerStaysClosed();
    void hostileGroupGivesAReachableRuler_data();
    void hostileGroupGivesAReachableRuler();

private:
    std::unique_ptr<RulerHub> startHub();
    void makeSession(RulerHub &hub);
    void compareRestored(const QList<RulerWindow *> &rulers);
    void end(RulerHub &hub, Ending ending);

    FakeDesktop m_desktop;
    QTemporaryDir m_pictures;
    QString m_picturePath;
};

void TestSession::init()
{
    TestSupport::clearStore();
    m_picturePath = m_pictures.filePath(QStringLiteral("plan.png"));
    QImage picture(64, 48, QImage::Format_ARGB32);
    picture.fill(QColor(0, 128, 255));
    QVERIFY(picture.save(m_picturePath));
    RulerWindow::askPictureFile = [this](QWidget *, const QString &, const QString &) {
        return m_picturePath;
    };
}

void TestSession::cleanup()
{
    RulerWindow::askPictureFile = nullptr;
}

std::unique_ptr<RulerHub> TestSession::startHub()
{
    auto hub = std::make_unique<RulerHub>(&m_desktop);
    hub->setMessageHandler([](const QString &text) { QFAIL(qPrintable(text)); });
    // Offscreen, the panel would take the keyboard from the rulers.
    hub->preferences()->setValue(ProgramSetting::ShowInfoPanel, false);
    return hub;
}

void TestSession::makeSession(RulerHub &hub)
{
    hub.openFirstRuler();
    for (std::size_t i = 1; i < std::size(kRulers); ++i)
        emit hub.rulers().last()->newRulerRequested();
    QCOMPARE(hub.rulers().size(), int(std::size(kRulers)));
    for (std::size_t i = 0; i < std::size(kRulers); ++i) {
        const Wanted &wanted = kRulers[i];
        RulerWindow *ruler = hub.rulers().at(int(i));
        ruler->placement().place(wanted.geometry);
        for (RulerOption option : wanted.turned)
            setOption(*ruler, option, !RulerOptionTable::entry(option).byDefault);
        if (wanted.picture)
            ruler->execute(RulerCommand::OpenPicture);
        ruler->setColor(ColorTarget::Background, wanted.background);
        ruler->setColor(ColorTarget::Guides, wanted.guides);
        FigureModel figure;
        figure.create(wanted.kind, wanted.geometry.size());
        figure.rotateBy(wanted.turn);
        figure.bodyMove(QPoint(int(i) * 7, -int(i) * 5));
        figure.recompute();
        ruler->setFlyingFigure(figure);
    }
    // The second ruler has the keyboard, and the information panel with it.
    RulerWindow *second = hub.rulers().at(1);
    second->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(second));
}

void TestSession::end(RulerHub &hub, Ending ending)
{
    const QList<QPointer<RulerWindow>> rulers(hub.rulers().cbegin(), hub.rulers().cend());
    switch (ending) {
    case Ending::SessionEnd:
        hub.saveEverything();
        return;
    case Ending::QuitCommand:
        hub.rulers().first()->execute(RulerCommand::Quit);
        break;
    case Ending::QuitKey:
        QTest::keyClick(hub.rulers().at(1), Qt::Key_Q, Qt::AltModifier);
        break;
    case Ending::HiddenByTray:
        for (RulerWindow *ruler : hub.rulers())
            ruler->hide();
        hub.saveEverything();
        return;
    }
    // The windows close on the way out, each as the window system closes it.
    for (const QPointer<RulerWindow> &ruler : rulers) {
        if (ruler)
            ruler->close();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestSession::compareRestored(const QList<RulerWindow *> &rulers)
{
    QCOMPARE(rulers.size(), int(std::size(kRulers)));
    for (std::size_t i = 0; i < std::size(kRulers); ++i) {
        const Wanted &wanted = kRulers[i];
        const RulerWindow *ruler = rulers.at(int(i));
        QVERIFY(ruler->isVisible());
        QCOMPARE(ruler->geometry(), wanted.geometry);
        RulerOptions options;
        for (RulerOption option : wanted.turned)
            options.toggle(option);
        // With the figure hidden its readings start hidden too.
        if (!options.value(RulerOption::ShowFigure))
            options.toggle(RulerOption::ShowFigureReadings);
        QCOMPARE(ruler->state().options(), options);
        QCOMPARE(bool(ruler->windowFlags() & Qt::WindowStaysOnTopHint),
                 options.value(RulerOption::StayOnTop));
        QCOMPARE(ruler->state().color(ColorTarget::Background), wanted.background);
        QCOMPARE(ruler->state().color(ColorTarget::Guides), wanted.guides);
        QCOMPARE(ruler->state().pictureFile(), wanted.picture ? m_picturePath : QString());
        QCOMPARE(ruler->state().picture().isNull(), !wanted.picture);
        QCOMPARE(ruler->menu()->action(RulerCommand::ClearPicture)->isEnabled(), wanted.picture);

        const FigureModel &figure = ruler->flyingFigure();
        QCOMPARE(figure.flyingRuler, wanted.kind == FigureKind::FlyingRuler);
        if (wanted.kind != FigureKind::FlyingRuler)
            QCOMPARE(figure.kind, wanted.kind);
        QCOMPARE(figure.visible, options.value(RulerOption::ShowFigure));
        FigureModel made;
        made.create(wanted.kind, wanted.geometry.size());
        made.rotateBy(wanted.turn);
        made.bodyMove(QPoint(int(i) * 7, -int(i) * 5));
        made.recompute();
        // Where it was left, not sent to the middle by the first show.
        QCOMPARE(figure.screenPoints, made.screenPoints);
        QCOMPARE(figure.angle, made.angle);
        // The figure's entry is the checked one.
        const RulerCommand entry = wanted.kind == FigureKind::FlyingRuler ? RulerCommand::FlyingRuler
                                   : wanted.kind == FigureKind::CenteredEllipse
                                       ? RulerCommand(int(RulerCommand::CenteredShapeFirst) + 6)
                                       : RulerCommand(int(RulerCommand::CornerShapeFirst) + 4);
        QCOMPARE(RulerCommands::figureKindOf(entry), std::optional<FigureKind>(wanted.kind));
        QVERIFY(ruler->menu()->action(entry)->isChecked());
    }
}

void TestSession::everyRulerComesBack_data()
{
    QTest::addColumn<Ending>("ending");
    QTest::newRow("end of the session") << Ending::SessionEnd;
    QTest::newRow("Quit") << Ending::QuitCommand;
    QTest::newRow("quit key") << Ending::QuitKey;
    QTest::newRow("rulers hidden by the tray") << Ending::HiddenByTray;
}

void TestSession::everyRulerComesBack()
{
    QFETCH(Ending, ending);
    {
        std::unique_ptr<RulerHub> hub = startHub();
        makeSession(*hub);
        end(*hub, ending);
    }
    std::unique_ptr<RulerHub> hub = startHub();
    hub->openFirstRuler();
    compareRestored(hub->rulers());
    QTRY_COMPARE(QApplication::activeWindow(), hub->rulers().at(1));

    // Saved again unchanged, the file holds the same session.
    const QByteArray before = [] {
        QFile file(QSettings().fileName());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    hub->saveEverything();
    QFile file(QSettings().fileName());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
}

// A ruler the user closes is gone from the session at once; the others keep their order.
void TestSession::closedRulerStaysClosed()
{
    {
        std::unique_ptr<RulerHub> hub = startHub();
        makeSession(*hub);
        QPointer<RulerWindow> second = hub->rulers().at(1);
        second->execute(RulerCommand::CloseRuler);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!second);
        QCOMPARE(QSettings().childGroups(), QStringList{"Ruler2"});
        // Ended by a kill: what the close saved is all there is.
    }
    std::unique_ptr<RulerHub> hub = startHub();
    hub->openFirstRuler();
    QCOMPARE(hub->rulers().size(), 2);
    QCOMPARE(hub->rulers().at(0)->geometry(), kRulers[0].geometry);
    QCOMPARE(hub->rulers().at(1)->geometry(), kRulers[2].geometry);
    QCOMPARE(hub->rulers().at(1)->state().color(ColorTarget::Background), kRulers[2].background);
}

void TestSession::hostileGroupGivesAReachableRuler_data()
{
    QTest::addColumn<QByteArray>("value");
    for (const char *value : {"garbage", "", "nan", "-inf", "1e309", "2147483647", "@Rect(1 2)",
                              "@Rect(-2147483648 -2147483648 10 10)", "@Point(-2147483648 2147483647)",
                              "@Variant(\\0\\0\\0\\x7f\\0)", "\"unterminated", "flyingRuler"})
        QTest::addRow("value '%s'", value) << QByteArray(value);
}

// Every key of a further ruler's group holding a value no version writes: that ruler still opens on a
// screen, large enough to use, and what is written back reads whole.
void TestSession::hostileGroupGivesAReachableRuler()
{
    QFETCH(QByteArray, value);
    QByteArray text("[General]\ngeometry=@Rect(10 10 300 200)\n\n[Ruler2]\n");
    for (const QString &key : RulerOptionTable::storedKeyOrder())
        text += key.toLatin1() + '=' + value + '\n';
    {
        QFile file(QSettings().fileName());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    }
    // A group of which no line can be read is no ruler: the first opens alone.
    const bool groupReads = QSettings().childGroups().contains(QStringLiteral("Ruler2"));
    std::unique_ptr<RulerHub> hub = startHub();
    hub->openFirstRuler();
    QCOMPARE(hub->rulers().size(), groupReads ? 2 : 1);
    if (!groupReads)
        return;
    const RulerWindow *second = hub->rulers().at(1);
    QVERIFY(second->isVisible());
    QVERIFY(second->width() >= GeometryRule::kMinimumSide && second->height() >= GeometryRule::kMinimumSide);
    QList<QRect> screens;
    for (const QScreen *screen : QGuiApplication::screens())
        screens.append(screen->geometry());
    QCOMPARE(GeometryRule::fitted(second->geometry(), screens), second->geometry());
    hub->saveEverything();
    QSettings store;
    store.beginGroup(QStringLiteral("Ruler2"));
    QCOMPARE(store.value("geometry").toRect(), second->geometry());
    QVERIFY(RulerStore::readFigure(store));
}

GRADORA_TEST_MAIN(TestSession)
#include "tst_session.moc"
