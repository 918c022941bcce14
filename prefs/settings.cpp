// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "prefs/settings.h"

#include "app/aboutdialog.h"
#include "app/appidentity.h"
#include "ruler/geometryrule.h"
#include "prefs/magnifier.h"
#include "prefs/displaylabel.h"
#include "prefs/programkeys.h"
#include "prefs/programstore.h"
#include "ruler/infopanel.h"
#include "ruler/positiondialog.h"
#include "prefs/storevalues.h"
#include "ruler/transparencydialog.h"
#include "ui_settings.h"
#include "prefs/updatecheck.h"

#include <QApplication>
#include <QCloseEvent>
#include <QColorDialog>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMenu>
#if GRADORA_UPDATE_CHECK
#include <QNetworkAccessManager>
#include <QNetworkReply>
#endif
#include <QScreen>
#include <QSettings>
#include <QSpinBox>

using namespace StoreValues;

namespace {
constexpr int kDefaultMoveNormal = 1;
constexpr int kDefaultMoveMore = 100;
constexpr int kDefaultResizeNormal = 1;
constexpr int kDefaultResizeMore = 10;
const char kDefaultLastInformed[] = "6.0";
constexpr int kPixelUnitNameColumnWidth = 120;
} // namespace

Settings::Settings(QWidget *parent) : QDialog(parent), ui(new Ui::Settings)
{
    // The program's pictures are compiled into the static core library, whose linker keeps them only
    // when something names them. Every run creates the preferences first, so they name them here.
    Q_INIT_RESOURCE(resources);
    Q_INIT_RESOURCE(gradora_generated);

    // 1. The form, kept above other windows.
    ui->setupUi(this);
    setWindowFlag(Qt::WindowStaysOnTopHint);
    ui->tabWidget->setTabShape(QTabWidget::Rounded);
    today = QDate::currentDate();

    // 2. Defaults.
    ui->checkBox->setChecked(false);
    ui->checkBox_2->setChecked(true);
    ui->spinBox->setValue(kDefaultMoveNormal);
    ui->spinBox_2->setValue(kDefaultMoveMore);

    // 3. The display label, the network access and the two small dialogs.
    displayLabel = new DisplayLabel(nullptr);
#if GRADORA_UPDATE_CHECK
    network = new QNetworkAccessManager(this);
    connect(network, &QNetworkAccessManager::finished, this, &Settings::replyFinished);
#endif
    positionDialog = new PositionDialog(nullptr);
    transparencyDialog = new TransparencyDialog(nullptr);

    // 4. Modifier rows named in words.
    ui->label_4->setText(tr("Alt + Arrow Keys"));
    ui->label_7->setText(tr("Shift + Arrow Keys"));
    ui->label_9->setText(tr("Alt + Shift + Arrow Keys"));

    // 5. The colour dialog that all rulers share.
    colorDialog = new QColorDialog(nullptr);
    colorDialog->setOptions(QColorDialog::ShowAlphaChannel | QColorDialog::NoButtons);
    colorDialog->setWindowFlag(Qt::WindowStaysOnTopHint);
    colorDialog->setFocusPolicy(Qt::NoFocus);

    // 6. A fixed-size tool window with only an OK button. Its size comes from its layout and fonts, never
    // less than the form was drawn at: on a display of more than 96 DPI the texts need more room, and
    // every tab stays in view.
    ui->tabWidget->setUsesScrollButtons(false);
    setFixedSize(sizeHint().expandedTo(size()));
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
    setWindowTitle(tr("Preferences"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowFlag(Qt::WindowStaysOnTopHint);
    ui->buttonBox->setStandardButtons(QDialogButtonBox::Ok);
    connect(ui->buttonBox, &QDialogButtonBox::accepted, this, &QWidget::close);

    // 7. The information panel and the about box.
    infoPanel = new InfoPanel(nullptr);
    aboutBox = new AboutDialog(nullptr);

    // 8. The store.
    ProgramStore::selectFormat();
    store = new QSettings(this);
    store->setValue(ProgramKeys::programVersion, AppIdentity::applicationVersion);

    // 9. Keyboard steps.
    readKeyboardSteps();

    // 10. Tables.
    loadUnitTables();
    loadDisplayTable();

    // 11.-12. Magnifier and program options.
    createMagnifier();
    readProgramOptions();

    // 13. Everything read is on disk before anything else can go wrong.
    store->sync();
#if GRADORA_UPDATE_CHECK
    checkForUpdatesWhenDue();
#else
    // A build without the update check has nothing to offer on this tab; its key stays in the file.
    ui->tabWidget->removeTab(ui->tabWidget->indexOf(ui->tab_4));
#endif

    // 14. The tray icon.
    createTrayIcon();

    // 15.
    ui->tableWidget_3->resizeColumnsToContents();
    ui->tableWidget_3->setColumnWidth(0, kPixelUnitNameColumnWidth);
    // The other two tables share their width out between their columns.
    ui->tableWidget->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    ui->tableWidget_2->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
}

Settings::~Settings()
{
    if (trayIcon)
        trayIcon->hide();
    delete displayLabel;
    delete positionDialog;
    delete transparencyDialog;
    delete colorDialog;
    delete infoPanel;
    delete aboutBox;
    delete magnifier;
    delete ui;
}

void Settings::readKeyboardSteps()
{
    ui->spinBox->setValue(readInt(*store, ProgramKeys::moveNormal, kDefaultMoveNormal));
    ui->spinBox_2->setValue(readInt(*store, ProgramKeys::moveMore, kDefaultMoveMore));
    ui->spinBox_3->setValue(readInt(*store, ProgramKeys::resizeNormal, kDefaultResizeNormal));
    ui->spinBox_4->setValue(readInt(*store, ProgramKeys::resizeMore, kDefaultResizeMore));
    // The members take what the boxes accepted, so a hand-edited value outside 1-999 is clamped.
    move_normal = ui->spinBox->value();
    move_more = ui->spinBox_2->value();
    resize_normal = ui->spinBox_3->value();
    resize_more = ui->spinBox_4->value();
}

void Settings::createMagnifier()
{
    magnifier = new Magnifier(nullptr, Qt::WindowStaysOnTopHint);
    magnifier->autoUpdate = readBool(*store, ProgramKeys::magnifierAutoUpdate, false);
    magnifier->gridSize = readInt(*store, ProgramKeys::magnifierGridSize, 1);
    magnifier->gridActive = readInt(*store, ProgramKeys::magnifierGridActive, 1);
    magnifier->zoom = readInt(*store, ProgramKeys::magnifierZoom, 4);
    // The same rule as for rulers: a usable size, and a piece to grab on some screen.
    const QSize size = GeometryRule::storedSize(store->value(ProgramKeys::magnifierInitialSize), QSize(250, 200));
    const QPoint place = GeometryRule::storedPoint(store->value(ProgramKeys::magnifierPosition), QPoint(0, 0));
    const QRect fitted = GeometryRule::fitted(GeometryRule::Wanted{place.x(), place.y(), size.width(), size.height()},
                                              GeometryRule::currentScreens());
    magnifier->initialSize = fitted.size();
    magnifier->applyInitialSize();
    magnifier->move(fitted.topLeft());
}

void Settings::readProgramOptions()
{
    infoPaneShown = readBool(*store, ProgramKeys::canShowToolbox, true);
    toolboxPosition = readInt(*store, ProgramKeys::toolboxPosition, 2);
    showTopRightMenu = readBool(*store, ProgramKeys::showTopRightMenu, false);
    ui->checkBox->setChecked(showTopRightMenu);
    autoUpdatesEnabled = readBool(*store, ProgramKeys::autoUpdatesEnabled, true);
    ui->checkBox_2->setChecked(autoUpdatesEnabled);
    lastInformed = UpdateCheck::storedVersion(store->value(ProgramKeys::lastInformed),
                                              QString::fromLatin1(kDefaultLastInformed));
}

void Settings::createTrayIcon()
{
    trayIcon = new QSystemTrayIcon(QIcon(QStringLiteral(":/icons/64.png")), this);
    connect(trayIcon, &QSystemTrayIcon::activated, this, &Settings::trayClick);
    // Without a tray on the desktop the program simply has no icon there.
    if (QSystemTrayIcon::isSystemTrayAvailable())
        trayIcon->show();
}

int Settings::takeNextColorIndex(int paletteSize)
{
    const int index = nextColorIndex;
    nextColorIndex = nextColorIndex < paletteSize - 1 ? nextColorIndex + 1 : 0;
    return index;
}

void Settings::saveProgramSettings()
{
    store->setValue(ProgramKeys::magnifierAutoUpdate, int(magnifier->autoUpdate));
    store->setValue(ProgramKeys::magnifierGridSize, magnifier->gridSize);
    store->setValue(ProgramKeys::magnifierGridActive, magnifier->gridActive);
    store->setValue(ProgramKeys::magnifierZoom, magnifier->zoom);
    store->setValue(ProgramKeys::magnifierInitialSize, magnifier->size());
    store->setValue(ProgramKeys::magnifierPosition, magnifier->pos());
    store->setValue(ProgramKeys::showTopRightMenu, showTopRightMenu);
    store->setValue(ProgramKeys::autoUpdatesEnabled, autoUpdatesEnabled);
    store->setValue(ProgramKeys::canShowToolbox, infoPaneShown);
    store->setValue(ProgramKeys::toolboxPosition, toolboxPosition);
    store->setValue(ProgramKeys::lastInformed, lastInformed);
    store->setValue(ProgramKeys::colorDialogPositionSaved, true);
    store->setValue(ProgramKeys::colorDialogX, colorDialog->x());
    store->setValue(ProgramKeys::colorDialogY, colorDialog->y());
    store->sync();
}

void Settings::refreshVisibleWidgets()
{
    const QList<QWidget *> widgets = QApplication::allWidgets();
    for (QWidget *widget : widgets) {
        if (!widget->isVisible())
            continue;
        widget->repaint();
        widget->hide();
        widget->show();
        widget->activateWindow();
    }
}

void Settings::writeKeyboardStep(int *member, QLatin1StringView key, QSpinBox *box)
{
    *member = box->value();
    // The box shows the number in the user's locale; the file keeps it in one form for all.
    store->setValue(key, QString::number(box->value()));
}

void Settings::on_spinBox_editingFinished()
{
    writeKeyboardStep(&move_normal, ProgramKeys::moveNormal, ui->spinBox);
}

void Settings::on_spinBox_2_editingFinished()
{
    writeKeyboardStep(&move_more, ProgramKeys::moveMore, ui->spinBox_2);
}

void Settings::on_spinBox_3_editingFinished()
{
    writeKeyboardStep(&resize_normal, ProgramKeys::resizeNormal, ui->spinBox_3);
}

void Settings::on_spinBox_4_editingFinished()
{
    writeKeyboardStep(&resize_more, ProgramKeys::resizeMore, ui->spinBox_4);
}

void Settings::on_pushButton_2_clicked()
{
    ui->spinBox->setValue(kDefaultMoveNormal);
    ui->spinBox_2->setValue(kDefaultMoveMore);
    ui->spinBox_3->setValue(kDefaultResizeNormal);
    ui->spinBox_4->setValue(kDefaultResizeMore);
    ui->checkBox->setChecked(false);
    showTopRightMenu = false;
    refreshVisibleWidgets();
    store->setValue(ProgramKeys::moveNormal, QString::number(ui->spinBox->value()));
    store->setValue(ProgramKeys::moveMore, QString::number(ui->spinBox_2->value()));
    store->setValue(ProgramKeys::resizeNormal, QString::number(ui->spinBox_3->value()));
    store->setValue(ProgramKeys::resizeMore, QString::number(ui->spinBox_4->value()));
    store->setValue(ProgramKeys::showTopRightMenu, showTopRightMenu);
    store->sync();
}

void Settings::on_checkBox_clicked(bool checked)
{
    showTopRightMenu = checked;
    refreshVisibleWidgets();
}

void Settings::on_checkBox_2_clicked(bool checked)
{
    autoUpdatesEnabled = checked;
}

void Settings::trayClick(QSystemTrayIcon::ActivationReason reason)
{
    auto restoreHidden = [this] {
        for (const QPointer<QWidget> &widget : std::as_const(m_hiddenByTray)) {
            if (widget) // a ruler may have closed meanwhile
                widget->show();
        }
        m_hiddenByTray.clear();
    };
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        if (m_hiddenByTray.isEmpty()) {
            // Whole windows only, and never the tray icon's own window: hiding that would take the
            // icon away and leave no way back.
            const QList<QWidget *> windows = QApplication::topLevelWidgets();
            for (QWidget *window : windows) {
                if (window->isVisible() && !window->inherits("QSystemTrayIconSys")) {
                    m_hiddenByTray.append(window);
                    window->hide();
                }
            }
        } else {
            restoreHidden();
        }
        break;
    case QSystemTrayIcon::Context:
        if (!m_hiddenByTray.isEmpty()) {
            restoreHidden();
            if (QMenu *menu = trayIcon->contextMenu())
                menu->popup(QCursor::pos());
        }
        break;
    default:
        break;
    }
}

void Settings::closeEvent(QCloseEvent *event)
{
    saveProgramSettings();
    const QList<QWidget *> widgets = QApplication::allWidgets();
    for (QWidget *widget : widgets) {
        if (widget->isVisible())
            widget->raise();
    }
    if (infoPaneShown) {
        infoPanel->show();
        infoPanel->activateWindow();
        infoPanel->setFocus();
    }
    event->accept();
}

void Settings::changeEvent(QEvent *event)
{
    static bool hidingPanel = false;
    if (isVisible() && !hidingPanel && infoPanel && infoPanel->isVisible()) {
        hidingPanel = true;
        infoPanel->hide();
        hidingPanel = false;
    }
    QDialog::changeEvent(event);
}

void Settings::hideEvent(QHideEvent *event)
{
    if (displayLabel)
        displayLabel->hide();
    QDialog::hideEvent(event);
}
