// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "prefs/textgrid.h"
#include "prefs/topmessage.h"

#include <QDate>
#include <QDialog>
#include <QList>
#include <QPointer>
#include <QSystemTrayIcon>
#include <array>
#include <functional>

namespace Ui {
class Settings;
}
class RulerWindow;
class Magnifier;
class QColorDialog;
class QNetworkAccessManager;
class QNetworkReply;
class QSettings;
class QTableWidget;
class QUrl;
class AboutDialog;
class DisplayLabel;
class InfoPanel;
class PositionDialog;
class TransparencyDialog;
namespace UpdateCheck {
struct Prompt;
}

// The "Preferences" dialog and the one object that all rulers share: the settings store, the keyboard
// steps, the program options, the unit and display tables, the tray icon and the shared windows.
class Settings : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kTableRows = 9;
    static constexpr int kPanelSpacing = 5;

    explicit Settings(QWidget *parent = nullptr);
    ~Settings() override;

    // Writes the program-wide keys and flushes the store.
    void saveProgramSettings();
    // Repaints, hides and shows again every visible widget, so that open rulers re-read the grids.
    void refreshVisibleWidgets();
    // The background colour index that the next new ruler receives, advancing the rotation.
    int takeNextColorIndex(int paletteSize);

#if GRADORA_UPDATE_CHECK
    // Update check (settings_update.cpp). A request returns at once; replyFinished tells the user.
    static constexpr int kUpdateTimeoutMs = 30000;
    void sendVersionRequest(bool manual);
    // The automatic check: at most once a day, when enabled; one that fails still counts.
    void checkForUpdatesWhenDue();
    // A user-started check without an answer within this time is reported as failed.
    int updateTimeoutMs = kUpdateTimeoutMs;
    // The update messages (true: the user answered Yes) and the way to the download page; the tests
    // replace them.
    static std::function<bool(const UpdateCheck::Prompt &prompt)> askAboutUpdate;
    static std::function<void(const QUrl &page)> leaveForDownloadPage;
#endif

    void closeEvent(QCloseEvent *event) override;

    QList<RulerWindow *> rulers;
    Magnifier *magnifier = nullptr;
    bool displayLabelArmed = false;
    QSystemTrayIcon *trayIcon = nullptr;
    QString lastInformed = QStringLiteral("6.0"); // as the update server wrote it
    InfoPanel *infoPanel = nullptr;
    int toolboxPosition = 2;
    bool infoPaneShown = true;
    int panelSpacing = kPanelSpacing;
    QColorDialog *colorDialog = nullptr;
    int colorTarget = 0;
    int move_normal = 1;
    int move_more = 100;
    int resize_normal = 1;
    int resize_more = 10;
    bool activateOnHover = false;
    int nextColorIndex = 0;
    TextGrid unitCells;
    TextGrid pixelUnitCells;
    TextGrid displayCells;
    int selectedDisplay = 0;
    DisplayLabel *displayLabel = nullptr;
    TransparencyDialog *transparencyDialog = nullptr;
    PositionDialog *positionDialog = nullptr;
    bool showTopRightMenu = false;
    bool manualCheck = false;
    bool autoUpdatesEnabled = true;
    bool loadingTables = false;
    QSettings *store = nullptr;
    AboutDialog *aboutBox = nullptr;
#if GRADORA_UPDATE_CHECK
    QNetworkAccessManager *network = nullptr;
#endif
    QDate today;
    Ui::Settings *ui = nullptr;
    // Shows a refusal of the preferences or of a ruler in a modal box; tests replace it.
    std::function<void(const QString &)> showMessage = &TopMessage::show;

public Q_SLOTS:
    void on_spinBox_editingFinished();
    void on_spinBox_2_editingFinished();
    void on_spinBox_3_editingFinished();
    void on_spinBox_4_editingFinished();
    void on_tableWidget_cellChanged(int row, int column);
    void on_pushButton_clicked();
    void on_pushButton_2_clicked();
    void on_pushButton_3_clicked();
    void on_tableWidget_2_currentCellChanged(int row, int column, int previousRow, int previousColumn);
    void on_spinBox_5_valueChanged(int value);
    void on_spinBox_6_valueChanged(int value);
    void on_doubleSpinBox_valueChanged(double value);
    void on_doubleSpinBox_2_valueChanged(double value);
    void on_doubleSpinBox_3_valueChanged(double value);
    void on_pushButton_4_clicked();
    void on_tableWidget_2_cellChanged(int row, int column);
    void on_tabWidget_currentChanged(int index);
    void on_checkBox_clicked(bool checked);
    void on_checkBox_2_clicked(bool checked);
#if GRADORA_UPDATE_CHECK
    void replyFinished(QNetworkReply *reply);
#endif
    void trayClick(QSystemTrayIcon::ActivationReason reason);
    void on_pushButton_8_clicked();
    void on_pushButton_9_clicked();
    void on_tableWidget_3_cellChanged(int row, int column);

protected:
    void changeEvent(QEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void readKeyboardSteps();
    void writeKeyboardStep(int *member, QLatin1StringView key, class QSpinBox *box);
    void createMagnifier();
    void readProgramOptions();
    void createTrayIcon();

    // Unit and display tables (their own file).
    void loadUnitTables();
    void loadDisplayTable();
    void ensureTableItems(QTableWidget *table);

    QList<QPointer<QWidget>> m_hiddenByTray;
};
