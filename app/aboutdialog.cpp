// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "app/aboutdialog.h"

#include "app/helplinks.h"
#include "app/linklabel.h"
#include "prefs/appidentity.h"
#include "ui_aboutdialog.h"

#include <QGridLayout>
#include <QPixmap>
#include <QSysInfo>

namespace {
// The text's width in average characters, so that it wraps alike whatever the font's size.
constexpr int kTextWidthInCharacters = 36;
const char kPicture[] = ":/icons/128.png"; // rendered from the program's SVG icon

QString escapedLink(const QUrl &url)
{
    return url.toString(QUrl::FullyEncoded).toHtmlEscaped();
}
} // namespace

AboutDialog::AboutDialog(QWidget *parent) : QDialog(parent), m_ui(new Ui::AboutDialog)
{
    m_ui->setupUi(this);
    setWindowTitle(tr("About Gradora"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowFlag(Qt::WindowStaysOnTopHint);

    auto *picture = new QLabel(this);
    picture->setPixmap(QPixmap(QString::fromLatin1(kPicture)));
    m_textLabel = new LinkLabel(text(currentFacts()), this);
    m_textLabel->setTextFormat(Qt::RichText);
    m_textLabel->setWordWrap(true);
    // A fixed-size layout gives a word-wrapped label only its narrowest width otherwise.
    m_textLabel->setMinimumWidth(m_textLabel->fontMetrics().averageCharWidth() * kTextWidthInCharacters);

    auto *grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    grid->addWidget(picture, 0, 0, 1, 1);
    grid->addWidget(m_textLabel, 0, 1, 4, 4);
    grid->addWidget(m_ui->buttonBox, 4, 0, 1, 5);
}

AboutDialog::~AboutDialog()
{
    delete m_ui;
}

AboutDialog::Facts AboutDialog::currentFacts()
{
    Facts facts;
    facts.version = AppIdentity::applicationVersion;
    // The system the program runs on, not the one it was written for.
    facts.system = QSysInfo::prettyProductName();
    facts.wordSize = QSysInfo::WordSize;
    facts.buildDate = QStringLiteral(__DATE__);
    facts.buildTime = QStringLiteral(__TIME__);
    facts.toolkitVersion = QString::fromLatin1(qVersion());
    facts.license = HelpLinks::documentUrl(QString::fromLatin1(HelpLinks::kLicense));
    facts.toolkitLicense = HelpLinks::documentUrl(QString::fromLatin1(HelpLinks::kQtLicense));
    return facts;
}

QString AboutDialog::text(const Facts &facts)
{
    // All placeholders are filled in one pass, so a '%' in a system name cannot be taken for one.
    return tr("<h3 style=\"margin:0;\">Gradora</h3>"
              "Version %1 for %2 (%3 bit)<br>"
              " Built on %4 / %5<br><br>"
              "Measures anything on the screen: rulers in pixels and in calibrated units, guides "
              "and a flying figure for areas and angles.<br>"
              "Made with Qt %6.<br>"
              "Copyright &copy; 2026 The Gradora developers<br>"
              "Free software under the BSD 3-Clause licence.<br><br>"
              "<a style=\"color:#007;\" href=\"%7\">Terms of use</a> | "
              "<a style=\"color:#007;\" href=\"%8\">Qt libraries</a>")
        .arg(facts.version.toHtmlEscaped(), facts.system.toHtmlEscaped(), QString::number(facts.wordSize),
             facts.buildDate, facts.buildTime, facts.toolkitVersion.toHtmlEscaped(),
             escapedLink(facts.license), escapedLink(facts.toolkitLicense));
}

void AboutDialog::mousePressEvent(QMouseEvent *)
{
    close();
}
