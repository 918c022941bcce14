// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "platform/globalshortcut.h"

void GlobalShortcut::setState(State state, const QKeySequence &key, const QString &detail)
{
    if (state == m_state && key == m_key && detail == m_detail)
        return;
    m_state = state;
    m_key = key;
    m_detail = detail;
    emit stateChanged();
}

QString GlobalShortcut::desktopSettingsAdvice()
{
    return tr("Bind the command %1 to a key in the desktop's keyboard settings instead.")
        .arg(QLatin1String(kToggleCommand));
}

QString GlobalShortcut::noteFor(State state, const QKeySequence &key, const QString &detail)
{
    const QString keyText = key.toString(QKeySequence::NativeText);
    switch (state) {
    case State::Off:
        return tr("No key is chosen. A key chosen here shows or hides the rulers from anywhere.");
    case State::Waiting:
        return tr("Asking the desktop for %1...").arg(keyText);
    case State::Active:
        if (!detail.isEmpty() && detail != keyText)
            return tr("The desktop shows or hides the rulers with %1.").arg(detail);
        return tr("%1 shows or hides the rulers from anywhere.").arg(keyText);
    case State::Taken:
        return (tr("%1 is taken by another program: choose another key.").arg(keyText) + QLatin1Char(' ') +
                detail)
            .trimmed();
    case State::Refused:
        return detail.isEmpty() ? tr("The desktop refused %1.").arg(keyText) : detail;
    case State::Unavailable:
        break;
    }
    const QString why = detail.isEmpty() ? tr("This desktop offers Gradora no global key.") : detail;
    return why + QLatin1Char(' ') + desktopSettingsAdvice();
}

NoGlobalShortcut::NoGlobalShortcut(QObject *parent) : GlobalShortcut(parent)
{
    setState(State::Unavailable, QKeySequence());
}

void NoGlobalShortcut::bind(const QKeySequence &key)
{
    setState(State::Unavailable, key);
}
