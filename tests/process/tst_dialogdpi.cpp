// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "app/aboutdialog.h"
#include "app/platformsetup.h"
#include "app/rulerhub.h"
#include "prefs/displaylabel.h"
#include "prefs/preferencesdialog.h"
#include "prefs/topmessage.h"
#include "ruler/dialogs/positiondialog.h"
#include "ruler/dialogs/transparencydialog.h"
#include "ruler/panel/infopanel.h"
#include "testsupport.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QScopeGuard>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextStream>
#include <QTimer>

#include <cstring>

// Every dialog sizes itself from its layout and fonts, so that at any DPI no control is squeezed below
// the size it asks for and no label loses part of its text. Each DPI runs in a copy of this program
// started on the X display after the display's Xft.dpi was set, as a user's session would set it.
class TestDialogDpi : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void dialogsFitTheirContents_data();
    void dialogsFitTheirContents();
};

namespace {

const char kCheckArgument[] = "--check-dialogs";

QString nameOf(const QWidget *widget)
{
    QString name = widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                                  : widget->objectName();
    for (const QWidget *parent = widget->parentWidget(); parent; parent = parent->parentWidget()) {
        if (parent->isWindow()) {
            name = parent->objectName() + QLatin1Char('/') + name;
            break;
        }
    }
    return name;
}

// The controls of a shown window that are smaller than they ask for, or whose label text is cut.
QStringList problemsOf(QWidget *window)
{
    QStringList problems;
    const QList<QWidget *> children = window->findChildren<QWidget *>();
    for (QWidget *widget : children) {
        if (!widget->isVisibleTo(window) || widget->isWindow())
            continue;
        const bool control = qobject_cast<QAbstractButton *>(widget) ||
                             qobject_cast<QAbstractSpinBox *>(widget) || qobject_cast<QComboBox *>(widget) ||
                             qobject_cast<QLabel *>(widget);
        if (!control)
            continue;
        auto *label = qobject_cast<QLabel *>(widget);
        const bool wraps = label && label->wordWrap();
        const QSize hint = wraps ? widget->minimumSizeHint() : widget->sizeHint();
        if (widget->width() < hint.width() || widget->height() < hint.height()) {
            problems << QStringLiteral("%1 is %2x%3, asks for %4x%5")
                            .arg(nameOf(widget))
                            .arg(widget->width())
                            .arg(widget->height())
                            .arg(hint.width())
                            .arg(hint.height());
            continue;
        }
        if (label && !wraps && label->textFormat() != Qt::RichText && !label->text().isEmpty()) {
            const int needed = label->fontMetrics().horizontalAdvance(label->text());
            if (needed > label->contentsRect().width())
                problems << QStringLiteral("%1 cuts its text (%2 of %3 px)")
                                .arg(nameOf(widget))
                                .arg(label->contentsRect().width())
                                .arg(needed);
        }
    }
    for (QTabWidget *tabs : window->findChildren<QTabWidget *>()) {
        if (tabs->tabBar()->width() < tabs->tabBar()->sizeHint().width())
            problems << QStringLiteral("%1 hides some of its tabs").arg(nameOf(tabs));
    }
    return problems;
}

// With GRADORA_DIALOG_PICTURES naming a folder, each dialog is saved there to be looked at.
void keepPicture(QWidget *window, const QString &suffix)
{
    const QString folder = qEnvironmentVariable("GRADORA_DIALOG_PICTURES");
    if (!folder.isEmpty())
        window->grab().save(QStringLiteral("%1/%2-%3%4.png")
                                .arg(folder, window->objectName())
                                .arg(QGuiApplication::primaryScreen()->logicalDotsPerInchY())
                                .arg(suffix));
}

QStringList check(QWidget *window)
{
    window->show();
    if (!QTest::qWaitForWindowExposed(window))
        return {QStringLiteral("%1 not shown").arg(window->objectName())};
    QCoreApplication::processEvents();
    QStringList problems;
    if (auto *tabs = window->findChild<QTabWidget *>()) {
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            QCoreApplication::processEvents();
            problems << problemsOf(window);
            keepPicture(window, QString::number(i));
        }
    } else {
        problems << problemsOf(window);
        keepPicture(window, QString());
    }
    window->hide();
    return problems;
}

// The information panel with the longest texts a figure gives.
void fillPanel(InfoPanel &panel)
{
    panel.setObjectName(QStringLiteral("information"));
    PanelTexts texts;
    texts.ruler = {QStringLiteral("L: -1920"),
                   QStringLiteral("T: -1080"),
                   QStringLiteral("R: 3840"),
                   QStringLiteral("B: 2160"),
                   QStringLiteral("W: 1234.56 cm "),
                   QStringLiteral("H: 1234.56 cm "),
                   QStringLiteral("A: 1524138.38 cm\u00b2"),
                   QStringLiteral("P: 4938.24 cm")};
    FigurePanelTexts &figure = texts.figure;
    figure.width = QStringLiteral("\u2194 1: 1234.56 cm ");
    figure.height = QStringLiteral("\u2194 2: 1234.56 cm ");
    figure.area = QStringLiteral("A: 1524138.38 cm\u00b2");
    figure.perimeter = QStringLiteral("P: 4938.24 cm");
    figure.angle = QStringLiteral("Angle: 359.99\u00b0");
    figure.centerX = QStringLiteral("rcX: 1920");
    figure.centerY = QStringLiteral("rcY: 1080");
    figure.showHeight = true;
    figure.showSide = true;
    figure.sideKind = FigureReadings::Hypotenuse;
    figure.side = QStringLiteral("hipo: 1745.91 cm ");
    panel.showTexts(texts);
}

// A message box of the program, checked while it is open.
QStringList checkMessageBox()
{
    QStringList problems;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        poll.stop();
        box->setObjectName(QStringLiteral("message"));
        QCoreApplication::processEvents();
        problems << problemsOf(box);
        keepPicture(box, QString());
        box->accept();
    });
    poll.start(50);
    TopMessage::show(QStringLiteral("Pixels per unit must be a number from 0.01 to 10000; the unit keeps its "
                                    "last value."));
    return problems;
}

// The copy that runs at one DPI: shows every dialog and prints what does not fit; exits with their count.
int checkDialogs(int argc, char **argv)
{
    TestSupport::isolateUserFiles();
    PlatformSetup::prepareProcessEnvironment();
    QApplication app(argc, argv);
    TestSupport::setIdentity();
    RulerHub hub;
    PreferencesDialog *preferences = hub.preferencesDialog();
    preferences->setObjectName(QStringLiteral("Preferences"));
    QStringList problems = check(preferences);
    problems << check(hub.positionDialog()) << check(hub.transparencyDialog()) << check(hub.aboutDialog());
    fillPanel(*hub.infoPanel());
    problems << check(hub.infoPanel()) << check(preferences->displayLabel());
    problems << checkMessageBox();
    QTextStream out(stdout);
    out << "dpi " << QGuiApplication::primaryScreen()->logicalDotsPerInchY() << "\n";
    for (const QString &problem : std::as_const(problems))
        out << problem << "\n";
    return int(problems.size());
}

void setDisplayDpi(int dpi)
{
    QProcess xrdb;
    xrdb.start(QStringLiteral("xrdb"), {QStringLiteral("-merge")});
    xrdb.write(QByteArrayLiteral("Xft.dpi: ") + QByteArray::number(dpi) + '\n');
    xrdb.closeWriteChannel();
    xrdb.waitForFinished();
}

} // namespace

void TestDialogDpi::dialogsFitTheirContents_data()
{
    QTest::addColumn<int>("dpi");
    QTest::newRow("96 dpi") << 96;
    QTest::newRow("144 dpi") << 144;
    QTest::newRow("192 dpi") << 192;
}

void TestDialogDpi::dialogsFitTheirContents()
{
    QFETCH(int, dpi);
    setDisplayDpi(dpi);
    auto restore = qScopeGuard([] { setDisplayDpi(96); });

    QProcess copy;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    copy.setProcessEnvironment(env);
    copy.setProcessChannelMode(QProcess::MergedChannels);
    copy.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(kCheckArgument)});
    QVERIFY(copy.waitForFinished(120000));
    const QString report = QString::fromLocal8Bit(copy.readAll());
    QVERIFY2(report.contains(QStringLiteral("dpi %1").arg(dpi)), qPrintable(report));
    QVERIFY2(copy.exitStatus() == QProcess::NormalExit && copy.exitCode() == 0, qPrintable(report));
}

int main(int argc, char **argv)
{
    if (argc > 1 && std::strcmp(argv[1], kCheckArgument) == 0)
        return checkDialogs(argc, argv);
    TestSupport::isolateUserFiles();
    QApplication app(argc, argv);
    TestSupport::setIdentity();
    TestDialogDpi test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_dialogdpi.moc"
