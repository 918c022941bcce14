// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

// The preferences and their dialog, without the rest of the program, made afresh by each test.

#include "prefs/preferences.h"
#include "prefs/preferencesdialog.h"
#include "testsupport.h"

#include <QTest>
#include <memory>

class DialogFixture
{
public:
    // Reads the settings file as it stands; refusals are collected instead of shown.
    void start()
    {
        stop();
        messages.clear();
        preferences = std::make_unique<Preferences>();
        dialog = std::make_unique<PreferencesDialog>(preferences.get());
        dialog->setMessageHandler([this](const QString &text) { messages.append(text); });
    }

    void stop()
    {
        dialog.reset();
        preferences.reset();
    }

    // A widget of the form, found by its name.
    template <typename T> T *widget(const char *name) const
    {
        T *found = dialog->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no widget %s", name);
        return found;
    }

    std::unique_ptr<Preferences> preferences;
    std::unique_ptr<PreferencesDialog> dialog;
    QStringList messages;
};
