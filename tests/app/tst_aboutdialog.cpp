// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "app/aboutdialog.h"
#include "app/helplinks.h"
#include "app/linklabel.h"
#include "app/rulerhub.h"
#include "ruler/commands/rulermenu.h"
#include "ruler/window/rulerwindow.h"
#include "testsupport.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QSet>
#include <QSysInfo>
#include <QTextDocumentFragment>
#include <memory>

// The About box, its clickable text, the help page and the web links.
Q_DECLARE_METATYPE(RulerCommand)

class TestAbout : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void locateDocument_data();
    void locateDocument();
    void documentsFollowTheProgram();
    void text_data();
    void text();
    void versionLineNamesThisSystem();
    void clicks_data();
    void clicks();
    void hoveredLinkOpensOnceOnClick();
    void shownAgainAsTheSameBox();
    void rulerLinks_data();
    void rulerLinks();
    void withoutBrowserTheMessageSaysWhere_data();
    void withoutBrowserTheMessageSaysWhere();
    void helpPageDescribesEveryMenuEntry();
    void helpPageSaysWhatHoldsWithoutACompositor_data();
    void helpPageSaysWhatHoldsWithoutACompositor();

private:
    QList<QUrl> m_opened;
    std::unique_ptr<RulerHub> m_hub;
};

void TestAbout::init()
{
    m_opened.clear();
    HelpLinks::openUrl = [this](const QUrl &url) {
        m_opened.append(url);
        return true;
    };
}

void TestAbout::cleanup()
{
    m_hub.reset();
}

void TestAbout::locateDocument_data()
{
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QString>("expected");
    const QString beside = QStringLiteral("/opt/gradora/bin/license.html");
    const QString installed = QStringLiteral("/usr/share/gradora/license.html");
    QTest::newRow("beside the executable") << QStringList{beside} << beside;
    QTest::newRow("only in the data folder") << QStringList{installed} << installed;
    QTest::newRow("in both, the one beside the executable wins") << QStringList{installed, beside} << beside;
    QTest::newRow("nowhere, asked for beside the executable") << QStringList{} << beside;
}

void TestAbout::documentsFollowTheProgram()
{
    // No installation prefix is compiled in: the data folder is found from the program's own folder.
    const QString programFolder = QCoreApplication::applicationDirPath();
    const QStringList folders = HelpLinks::documentFolders();
    QCOMPARE(folders, (QStringList{programFolder, QDir::cleanPath(programFolder + "/../share/gradora")}));
}

void TestAbout::locateDocument()
{
    QFETCH(QStringList, existing);
    const QSet<QString> files(existing.begin(), existing.end());
    const QString found =
        HelpLinks::locateDocument(QStringLiteral("license.html"),
                                  {QStringLiteral("/opt/gradora/bin"), QStringLiteral("/usr/share/gradora")},
                                  [&](const QString &path) { return files.contains(path); });
    QTEST(found, "expected");
}

void TestAbout::text_data()
{
    QTest::addColumn<QString>("system");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("heading, version and build lines")
        << QStringLiteral("Debian GNU/Linux 12 (bookworm)") << QStringLiteral("/usr/share/gradora")
        << QStringList{QStringLiteral("<h3 style=\"margin:0;\">Gradora</h3>"),
                       QStringLiteral("Version 6.0 for Debian GNU/Linux 12 (bookworm) (64 bit)"),
                       QStringLiteral(" Built on Mar  7 2025 / 09:41:05")};
    QTest::newRow("the two document links, styled and separated")
        << QStringLiteral("Debian") << QStringLiteral("/usr/share/gradora")
        << QStringList{
               QStringLiteral("<a style=\"color:#007;\" href=\"file:///usr/share/gradora/license.html\">"),
               QStringLiteral("</a> | <a style=\"color:#007;\" "
                              "href=\"file:///usr/share/gradora/license-qt.html\">")};
    QTest::newRow("odd characters in the folder and the system name")
        << QStringLiteral("Lab <build> %1 & co") << QStringLiteral("/home/a b/#1 & co")
        << QStringList{QStringLiteral("href=\"file:///home/a%20b/%231%20&amp;%20co/license.html\""),
                       QStringLiteral("Version 6.0 for Lab &lt;build&gt; %1 &amp; co (64 bit)")};
}

void TestAbout::text()
{
    QFETCH(QString, system);
    QFETCH(QString, folder);
    QFETCH(QStringList, expected);
    AboutDialog::Facts facts;
    facts.version = QStringLiteral("6.0");
    facts.system = system;
    facts.wordSize = 64;
    facts.buildDate = QStringLiteral("Mar  7 2025");
    facts.buildTime = QStringLiteral("09:41:05");
    facts.toolkitVersion = QStringLiteral("6.4.2");
    facts.license = QUrl::fromLocalFile(folder + QStringLiteral("/license.html"));
    facts.toolkitLicense = QUrl::fromLocalFile(folder + QStringLiteral("/license-qt.html"));
    const QString text = AboutDialog::text(facts);
    for (const QString &part : expected)
        QVERIFY2(text.contains(part), qPrintable(text));
}

void TestAbout::versionLineNamesThisSystem()
{
    const AboutDialog::Facts facts = AboutDialog::currentFacts();
    QCOMPARE(facts.system, QSysInfo::prettyProductName());
    QCOMPARE(facts.wordSize, int(sizeof(void *)) * 8);
    QCOMPARE(facts.version, QStringLiteral("6.0"));
    const QString line = QStringLiteral("Version 6.0 for %1 (%2 bit)").arg(facts.system).arg(facts.wordSize);
    QVERIFY(QTextDocumentFragment::fromHtml(AboutDialog::text(facts)).toPlainText().contains(line));
#ifndef Q_OS_WIN
    QVERIFY(!facts.system.contains(QStringLiteral("Windows")));
#endif
}

void TestAbout::clicks_data()
{
    QTest::addColumn<QString>("where");
    QTest::newRow("free area of the box") << QStringLiteral("box");
    QTest::newRow("text outside any link") << QStringLiteral("text");
    QTest::newRow("OK") << QStringLiteral("ok");
}

void TestAbout::clicks()
{
    QFETCH(QString, where);
    AboutDialog box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    if (where == QLatin1String("box"))
        QTest::mouseClick(&box, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    else if (where == QLatin1String("text"))
        QTest::mouseClick(box.findChild<LinkLabel *>(), Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    else
        box.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    QVERIFY(!box.isVisible());
    QVERIFY(m_opened.isEmpty());
}

void TestAbout::hoveredLinkOpensOnceOnClick()
{
    // The pointer travels over the text until the label reports a link under it, as a user's would.
    AboutDialog box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    LinkLabel *label = box.findChild<LinkLabel *>();
    QPoint onLink(-1, -1);
    for (int y = label->height() - 1; y >= 0 && onLink.x() < 0; y -= 2) {
        for (int x = 0; x < label->width(); x += 3) {
            QTest::mouseMove(label, QPoint(x, y));
            if (!label->link().isEmpty()) {
                onLink = QPoint(x, y);
                break;
            }
        }
    }
    QVERIFY2(onLink.x() >= 0, "no link found under the pointer");
    const QString link = label->link();
    QVERIFY(link.endsWith(QLatin1String("/license.html")) ||
            link.endsWith(QLatin1String("/license-qt.html")));
    // A whole click, press and release, opens the link once.
    QTest::mouseClick(label, Qt::LeftButton, Qt::NoModifier, onLink);
    QCOMPARE(m_opened, QList<QUrl>{QUrl(link)});
    QVERIFY(m_opened.first().isLocalFile());
    QVERIFY(!box.isVisible());
}

void TestAbout::shownAgainAsTheSameBox()
{
    TestSupport::clearStore();
    m_hub = std::make_unique<RulerHub>();
    m_hub->preferences()->setValue(ProgramSetting::ShowInfoPanel, false);
    RulerWindow &ruler = *m_hub->createRuler();
    AboutDialog *box = m_hub->aboutDialog();
    // The program's picture is linked in and found.
    QVERIFY(!box->findChildren<QLabel *>().constFirst()->pixmap().isNull());
    ruler.execute(RulerCommand::About);
    QVERIFY(box->isVisible());
    box->close();
    QVERIFY(!box->isVisible());
    ruler.execute(RulerCommand::About);
    QCOMPARE(m_hub->aboutDialog(), box);
    QVERIFY(box->isVisible());
    QCOMPARE(QApplication::topLevelWidgets().count(box), 1);
    box->close();
}

void TestAbout::rulerLinks_data()
{
    QTest::addColumn<RulerCommand>("command");
    QTest::addColumn<QUrl>("expected");
    QTest::newRow("Gradora Help, beside the executable even when missing")
        << RulerCommand::Help << QUrl::fromLocalFile(QCoreApplication::applicationDirPath() + "/_help.html");
    QTest::newRow("Online Info") << RulerCommand::OnlineInfo << QUrl("https://gradora.net/");
    QTest::newRow("Request Feature") << RulerCommand::RequestFeature
                                     << QUrl("https://gradora.net/suggestions.html");
}

void TestAbout::rulerLinks()
{
    QFETCH(RulerCommand, command);
    QFETCH(QUrl, expected);
    // The test program's folder holds no help page and none is installed where the tests run.
    QVERIFY(!QFile::exists(QCoreApplication::applicationDirPath() + "/_help.html"));
    TestSupport::clearStore();
    m_hub = std::make_unique<RulerHub>();
    RulerWindow &ruler = *m_hub->createRuler();
    ruler.execute(command);
    QCOMPARE(m_opened, QList<QUrl>{expected});
}

void TestAbout::withoutBrowserTheMessageSaysWhere_data()
{
    rulerLinks_data();
}

// Where no browser can be started, the user reads so, and where the page is: the help page's path, a
// web page's address.
void TestAbout::withoutBrowserTheMessageSaysWhere()
{
    QFETCH(RulerCommand, command);
    QFETCH(QUrl, expected);
    HelpLinks::openUrl = [this](const QUrl &url) {
        m_opened.append(url);
        return false;
    };
    TestSupport::clearStore();
    m_hub = std::make_unique<RulerHub>();
    QStringList messages;
    m_hub->setMessageHandler([&messages](const QString &text) { messages.append(text); });
    RulerWindow &ruler = *m_hub->createRuler();
    ruler.execute(command);
    QCOMPARE(m_opened, QList<QUrl>{expected});
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages.constFirst().startsWith(QStringLiteral("No web browser could be started")),
             qPrintable(messages.constFirst()));
    const QString where = expected.isLocalFile() ? expected.toLocalFile() : expected.toString();
    QVERIFY2(messages.constFirst().endsWith(where), qPrintable(messages.constFirst()));
}

void TestAbout::helpPageSaysWhatHoldsWithoutACompositor_data()
{
    QTest::addColumn<QString>("said");
    QTest::newRow("its own part") << "Without a compositor";
    QTest::newRow("the body lets the pointer through")
        << "the open body nothing: a click, a drag or a double-click there reaches the window below";
    QTest::newRow("the bands move and fill the screen")
        << "drag to move, double-click for full screen, right-click for the menu";
    QTest::newRow("getting started says where to drag")
        << "drag and double-click the ruler by its scale bands, its edges, a guide, the figure or a reading";
    QTest::newRow("moving says where to drag")
        << "without a compositor, drag a scale band or a reading instead";
    QTest::newRow("the mouse reference too")
        << "double-click full screen on and off (without a compositor: on a band)";
}

// Without a compositing manager the ruler's open body is not the ruler's: the help says what takes the
// pointer there, where it tells to drag or double-click.
void TestAbout::helpPageSaysWhatHoldsWithoutACompositor()
{
    QFETCH(QString, said);
    QFile file(QFINDTESTDATA("../../docs/_help.html"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QString guide = QTextDocumentFragment::fromHtml(QString::fromUtf8(file.readAll())).toPlainText();
    guide.replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" "));
    QVERIFY2(guide.contains(said), qPrintable(said));
}

void TestAbout::helpPageDescribesEveryMenuEntry()
{
    const QString path = QFINDTESTDATA("../../docs/_help.html");
    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
    const QString guide = QTextDocumentFragment::fromHtml(QString::fromUtf8(file.readAll())).toPlainText();

    TestSupport::clearStore();
    m_hub = std::make_unique<RulerHub>();
    RulerWindow &ruler = *m_hub->createRuler();
    ruler.rebuildMenu();
    QStringList missing;
    QList<QMenu *> menus{ruler.menu()->contextMenu()};
    while (!menus.isEmpty()) {
        const QMenu *menu = menus.takeFirst();
        for (QAction *action : menu->actions()) {
            if (action->menu())
                menus.append(action->menu());
            // Unit entries carry the names of the user's own table rows.
            bool userUnit = false;
            for (int row = 0; row < RulerCommands::kUnitRows; ++row) {
                userUnit = userUnit || action == ruler.menu()->action(RulerCommands::physicalUnit(row)) ||
                           action == ruler.menu()->action(RulerCommands::pixelUnit(row));
            }
            const QString text = action->text().remove(QLatin1Char('&'));
            if (!action->isSeparator() && !userUnit && !guide.contains(text))
                missing.append(text);
        }
    }
    for (const char *other : {"Send Panel to Right", "Check for Updates"}) {
        if (!guide.contains(QLatin1String(other)))
            missing.append(QLatin1String(other));
    }
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(", "))));
}

GRADORA_TEST_MAIN(TestAbout)
#include "tst_aboutdialog.moc"
