// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "prefs/preferences.h"

#include "prefs/appidentity.h"
#include "prefs/programkeys.h"
#include "prefs/programstore.h"
#include "prefs/storevalues.h"
#if GRADORA_UPDATE_CHECK
#include "prefs/updatecheck.h"
#endif

#include <QSettings>
#include <algorithm>

using namespace StoreValues;

namespace {
const Preferences::Steps kDefaultSteps;
const char kDefaultLastInformed[] = "6.0";
// Stands for a missing "lastCheck": not a valid date, so the check is due.
const QString kNeverChecked = QStringLiteral("1/1/1");
// toolboxPosition in the file.
constexpr int kStoredLeft = 1;
constexpr int kStoredRight = 2;

QLatin1StringView stepKey(Preferences::Step step)
{
    switch (step) {
    case Preferences::Step::MoveNormal:
        return ProgramKeys::moveNormal;
    case Preferences::Step::MoveMore:
        return ProgramKeys::moveMore;
    case Preferences::Step::ResizeNormal:
        return ProgramKeys::resizeNormal;
    case Preferences::Step::ResizeMore:
        break;
    }
    return ProgramKeys::resizeMore;
}

int &stepField(Preferences::Steps &steps, Preferences::Step step)
{
    switch (step) {
    case Preferences::Step::MoveNormal:
        return steps.moveNormal;
    case Preferences::Step::MoveMore:
        return steps.moveMore;
    case Preferences::Step::ResizeNormal:
        return steps.resizeNormal;
    case Preferences::Step::ResizeMore:
        break;
    }
    return steps.resizeMore;
}

int clampedStep(int value)
{
    return std::clamp(value, Preferences::kMinimumStep, Preferences::kMaximumStep);
}
} // namespace

int Preferences::Steps::value(Step step) const
{
    Steps copy = *this;
    return stepField(copy, step);
}

Preferences::Preferences(const Desktop *desktop, QObject *parent) : QObject(parent), m_desktop(desktop)
{
    ProgramStore::selectFormat();
    m_store = new QSettings(this);
    m_store->setValue(ProgramKeys::programVersion, AppIdentity::applicationVersion);
    readSteps();
    readUnitTables();
    readDisplayTable();
    readOptions();
    // What was read and mended reaches the disk with sync(); the program calls it once its first
    // ruler is up, so that the disk's flushes do not hold up the first window.
}

Preferences::~Preferences() = default;

void Preferences::readSteps()
{
    for (const Step step : {Step::MoveNormal, Step::MoveMore, Step::ResizeNormal, Step::ResizeMore}) {
        // A hand-edited value outside 1-999 is clamped, as the boxes of the dialog would.
        stepField(m_steps, step) = clampedStep(readInt(*m_store, stepKey(step), kDefaultSteps.value(step)));
    }
}

void Preferences::setStep(Step step, int value)
{
    stepField(m_steps, step) = clampedStep(value);
    // The dialog shows the number in the user's locale; the file keeps it in one form for all.
    m_store->setValue(stepKey(step), QString::number(m_steps.value(step)));
    emit stepsChanged();
}

void Preferences::storeDefaultShortcuts()
{
    for (const Step step : {Step::MoveNormal, Step::MoveMore, Step::ResizeNormal, Step::ResizeMore})
        m_store->setValue(stepKey(step), QString::number(kDefaultSteps.value(step)));
    m_showTopRightMenu = false;
    m_store->setValue(ProgramKeys::showTopRightMenu, m_showTopRightMenu);
    m_store->sync();
    emit optionsChanged();
}

void Preferences::readOptions()
{
    m_infoPanelShown = readBool(*m_store, ProgramKeys::canShowToolbox, true);
    m_panelSide = readInt(*m_store, ProgramKeys::toolboxPosition, kStoredRight) == kStoredLeft
                      ? PanelSide::Left
                      : PanelSide::Right;
    m_showTopRightMenu = readBool(*m_store, ProgramKeys::showTopRightMenu, false);
    m_autoUpdates = readBool(*m_store, ProgramKeys::autoUpdatesEnabled, true);
    // A text that names no key (hand-edited, or from a later version) reads as no key.
    const QKeySequence key = QKeySequence::fromString(readText(*m_store, ProgramKeys::globalShortcut),
                                                      QKeySequence::PortableText);
    const bool readable = !key.isEmpty() && key[0].key() != Qt::Key_unknown;
    m_globalShortcut = readable ? key : QKeySequence();
#if GRADORA_UPDATE_CHECK
    m_lastInformed = UpdateCheck::storedVersion(m_store->value(ProgramKeys::lastInformed),
                                                QString::fromLatin1(kDefaultLastInformed));
#else
    m_lastInformed =
        m_store->value(ProgramKeys::lastInformed, QString::fromLatin1(kDefaultLastInformed)).toString();
#endif
}

void Preferences::setActivateOnHover(bool on)
{
    m_activateOnHover = on;
    emit optionsChanged();
}

void Preferences::setShowTopRightMenu(bool on)
{
    m_showTopRightMenu = on;
    emit optionsChanged();
}

void Preferences::setInfoPanelShown(bool shown)
{
    m_infoPanelShown = shown;
    emit optionsChanged();
}

void Preferences::setPanelSide(PanelSide side)
{
    m_panelSide = side;
    emit optionsChanged();
}

void Preferences::setAutoUpdates(bool on)
{
    m_autoUpdates = on;
    emit optionsChanged();
}

void Preferences::setGlobalShortcut(const QKeySequence &key)
{
    if (key == m_globalShortcut)
        return;
    m_globalShortcut = key;
    m_store->setValue(ProgramKeys::globalShortcut, key.toString(QKeySequence::PortableText));
    m_store->sync();
    emit globalShortcutChanged();
}

void Preferences::setLastInformed(const QString &version)
{
    m_lastInformed = version;
    m_store->setValue(ProgramKeys::lastInformed, m_lastInformed);
    m_store->sync();
}

#if GRADORA_UPDATE_CHECK
bool Preferences::updateCheckDue(const QDate &today) const
{
    return UpdateCheck::isDue(m_store->value(ProgramKeys::lastCheck, kNeverChecked).toDate(), today);
}
#else
bool Preferences::updateCheckDue(const QDate &) const
{
    return false;
}
#endif

void Preferences::markUpdateChecked(const QDate &today)
{
    m_store->setValue(ProgramKeys::lastCheck, today.toString(Qt::ISODate));
    m_store->sync();
}

int Preferences::takeNextColorIndex(int paletteSize)
{
    const int index = m_nextColorIndex;
    m_nextColorIndex = m_nextColorIndex < paletteSize - 1 ? m_nextColorIndex + 1 : 0;
    return index;
}

void Preferences::save()
{
    m_store->setValue(ProgramKeys::showTopRightMenu, m_showTopRightMenu);
    m_store->setValue(ProgramKeys::autoUpdatesEnabled, m_autoUpdates);
    m_store->setValue(ProgramKeys::canShowToolbox, m_infoPanelShown);
    m_store->setValue(ProgramKeys::toolboxPosition,
                      m_panelSide == PanelSide::Left ? kStoredLeft : kStoredRight);
    m_store->setValue(ProgramKeys::lastInformed, m_lastInformed);
    m_store->sync();
}

void Preferences::sync()
{
    m_store->sync();
}
