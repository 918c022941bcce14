// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "prefs/preferencesdialog.h"

#include "platform/globalshortcut.h"
#include "prefs/displaylabel.h"
#include "prefs/topmessage.h"
#include "ui_preferencesdialog.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QScreen>

namespace {
constexpr int kPixelUnitNameColumnWidth = 120;
constexpr int kGlobalShortcutNoteLines = 2;
} // namespace

PreferencesDialog::PreferencesDialog(Preferences *preferences, QWidget *parent)
    : QDialog(parent), m_preferences(preferences), m_ui(new Ui::PreferencesDialog),
      m_showMessage(&TopMessage::show)
{
    m_ui->setupUi(this);
    m_displayLabel = new DisplayLabel(nullptr);
    m_unreadSizesNote = new QLabel(m_ui->displaysTab);
    m_unreadSizesNote->setObjectName(QStringLiteral("unreadSizesNote"));
    m_unreadSizesNote->setWordWrap(true);
    m_unreadSizesNote->hide();
    m_ui->displayTableLayout->insertWidget(1, m_unreadSizesNote);

    bindEditors();
    showStoredGlobalShortcut();
    // The longest note (no way on this desktop, and what to do instead) fits in the dialog, whose
    // size is fixed.
    m_ui->globalShortcutNote->setTextFormat(Qt::RichText);
    m_ui->globalShortcutNote->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_ui->globalShortcutNote->setMinimumHeight(kGlobalShortcutNoteLines *
                                               m_ui->globalShortcutNote->fontMetrics().height());

    // Modifier rows named in words.
    m_ui->moveMoreLabel->setText(tr("Alt + Arrow Keys"));
    m_ui->resizeNormalLabel->setText(tr("Shift + Arrow Keys"));
    m_ui->resizeMoreLabel->setText(tr("Alt + Shift + Arrow Keys"));

    setUpWindow();
    connectShortcuts();
    connectTables();
    connectCalculator();
    fillTables();
}

PreferencesDialog::~PreferencesDialog()
{
    // The key edit still holding the focus finishes its edit as QDialog hides the window, after this
    // part of the dialog is gone.
    disconnect(m_ui->globalShortcutEdit, nullptr, this, nullptr);
    delete m_displayLabel;
    delete m_ui;
}

void PreferencesDialog::setUpWindow()
{
    setWindowFlag(Qt::WindowStaysOnTopHint);
    m_ui->pageTabs->setTabShape(QTabWidget::Rounded);
    // A fixed-size tool window with only an OK button. Its size comes from its layout and fonts, never
    // less than the form was drawn at: on a display of more than 96 DPI the texts need more room, and
    // every page stays in view.
    m_ui->pageTabs->setUsesScrollButtons(false);
    setFixedSize(sizeHint().expandedTo(size()));
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
    setWindowTitle(tr("Preferences"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowFlag(Qt::WindowStaysOnTopHint);
    m_ui->buttonBox->setStandardButtons(QDialogButtonBox::Ok);
    connect(m_ui->buttonBox, &QDialogButtonBox::accepted, this, &QWidget::close);
#if !GRADORA_UPDATE_CHECK
    // A build without the update check has nothing to offer on this page; its key stays in the file.
    m_ui->pageTabs->removeTab(m_ui->pageTabs->indexOf(m_ui->programTab));
#endif
    // The pixel-based table keeps room for its names and shares the rest out between its numbers; the
    // other two tables share their whole width out between their columns.
    QHeaderView *pixelUnitColumns = m_ui->pixelUnitTable->horizontalHeader();
    pixelUnitColumns->setSectionResizeMode(QHeaderView::Stretch);
    pixelUnitColumns->setSectionResizeMode(0, QHeaderView::Fixed);
    m_ui->pixelUnitTable->setColumnWidth(0, kPixelUnitNameColumnWidth);
    m_ui->unitTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_ui->displayTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
}

// Every setting with an editor in the form: the editor shows the value in use, takes the table's
// limits and hands each edit to the model.
void PreferencesDialog::bindEditors()
{
    for (const ProgramSettingTable::Entry &row : ProgramSettingTable::kTable) {
        if (!row.editor)
            continue;
        QWidget *editor = findChild<QWidget *>(QLatin1StringView(row.editor));
        const ProgramSetting setting = row.setting;
        if (auto *box = qobject_cast<QSpinBox *>(editor)) {
            box->setRange(row.minimum, row.maximum);
            box->setValue(m_preferences->value<int>(setting));
            connect(box, &QSpinBox::editingFinished, this,
                    [this, box, setting] { m_preferences->setValue(setting, box->value()); });
        } else if (auto *check = qobject_cast<QCheckBox *>(editor)) {
            check->setChecked(m_preferences->value<bool>(setting));
            connect(check, &QCheckBox::clicked, this,
                    [this, setting](bool on) { m_preferences->setValue(setting, on); });
        } else {
            qWarning("The preferences form has no editor %s for its setting.", row.editor);
        }
    }
}

void PreferencesDialog::connectShortcuts()
{
    connect(m_ui->shortcutDefaultsButton, &QPushButton::clicked, this,
            &PreferencesDialog::loadDefaultShortcuts);
    connect(m_ui->pageTabs, &QTabWidget::currentChanged, this, [this] { m_displayLabelArmed = false; });
    connect(m_ui->globalShortcutEdit, &QKeySequenceEdit::editingFinished, this,
            &PreferencesDialog::storeGlobalShortcut);
    connect(m_ui->globalShortcutClearButton, &QPushButton::clicked, this,
            &PreferencesDialog::clearGlobalShortcut);
    connect(m_preferences, &Preferences::globalShortcutChanged, this,
            &PreferencesDialog::showStoredGlobalShortcut);
}

void PreferencesDialog::storeGlobalShortcut()
{
    // One key with its modifiers: what the edit caught after the first key is dropped.
    const QKeySequence typed = m_ui->globalShortcutEdit->keySequence();
    const QKeySequence key = typed.isEmpty() ? QKeySequence() : QKeySequence(typed[0]);
    m_preferences->setValue(ProgramSetting::GlobalShortcut, key);
    showStoredGlobalShortcut();
    emit globalShortcutChosen();
}

void PreferencesDialog::clearGlobalShortcut()
{
    m_preferences->setValue(ProgramSetting::GlobalShortcut, QKeySequence());
    showStoredGlobalShortcut();
}

void PreferencesDialog::showStoredGlobalShortcut()
{
    if (m_ui->globalShortcutEdit->keySequence() != m_preferences->value<QKeySequence>(ProgramSetting::GlobalShortcut))
        m_ui->globalShortcutEdit->setKeySequence(m_preferences->value<QKeySequence>(ProgramSetting::GlobalShortcut));
    m_ui->globalShortcutClearButton->setEnabled(
        !m_preferences->value<QKeySequence>(ProgramSetting::GlobalShortcut).isEmpty());
}

void PreferencesDialog::followGlobalShortcut(const GlobalShortcut *shortcut)
{
    const auto showNote = [this, shortcut] {
        // The command, which the user may copy from here, is never broken at its hyphens.
        const QString command = QLatin1String(GlobalShortcut::kToggleCommand);
        m_ui->globalShortcutNote->setText(
            shortcut->note().toHtmlEscaped().replace(command, QStringLiteral("<nobr>%1</nobr>").arg(command)));
    };
    disconnect(m_globalShortcutFollower);
    m_globalShortcutFollower = connect(shortcut, &GlobalShortcut::stateChanged, this, showNote);
    showNote();
}

// The settings edited on the Shortcuts page return to their defaults.
void PreferencesDialog::loadDefaultShortcuts()
{
    QList<ProgramSetting> settings;
    for (const ProgramSettingTable::Entry &row : ProgramSettingTable::kTable) {
        QWidget *editor = row.editor ? findChild<QWidget *>(QLatin1StringView(row.editor)) : nullptr;
        if (!editor || !m_ui->shortcutsTab->isAncestorOf(editor))
            continue;
        if (auto *box = qobject_cast<QSpinBox *>(editor))
            box->setValue(row.byDefault);
        else if (auto *check = qobject_cast<QCheckBox *>(editor))
            check->setChecked(row.byDefault);
        settings.append(row.setting);
    }
    m_preferences->storeDefaults(settings);
}

void PreferencesDialog::showPage(PreferencesPage page)
{
    m_displayLabelArmed = false;
    show();
    adjustSize();
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        const QRect dialog = geometry();
        move((area.left() + area.right()) / 2 - (dialog.right() - dialog.left()) / 2,
             (area.top() + area.bottom()) / 2 - (dialog.bottom() - dialog.top()) / 2);
    }
    activateWindow();
    QWidget *const pages[] = {m_ui->shortcutsTab, m_ui->unitsTab, m_ui->displaysTab, m_ui->pixelUnitsTab,
                              m_ui->programTab};
    m_ui->pageTabs->setCurrentWidget(m_ui->shortcutsTab);
    m_ui->pageTabs->setCurrentWidget(pages[int(page)]);
}

void PreferencesDialog::closeEvent(QCloseEvent *event)
{
    emit closing();
    event->accept();
}

void PreferencesDialog::changeEvent(QEvent *event)
{
    if (isVisible())
        emit changedWhileShown();
    QDialog::changeEvent(event);
}

void PreferencesDialog::hideEvent(QHideEvent *event)
{
    m_displayLabel->hide();
    QDialog::hideEvent(event);
}
