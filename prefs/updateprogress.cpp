// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "prefs/updateprogress.h"

#include "prefs/appidentity.h"
#include "prefs/versionquestion.h"

#include <QCoreApplication>
#include <QPointer>
#include <QProgressDialog>
#include <QVariant>

namespace UpdateProgress {

namespace {
// Closing the note must not count as a cancel.
void dismiss(QProgressDialog *note)
{
    QObject::disconnect(note, &QProgressDialog::canceled, nullptr, nullptr);
    note->hide();
    note->deleteLater();
}
} // namespace

void showFor(VersionQuestion *question)
{
    auto *note = new QProgressDialog(QCoreApplication::translate("UpdateCheck", "Checking for updates…"),
                                     QCoreApplication::translate("UpdateCheck", "Cancel"), 0, 0);
    note->setWindowTitle(AppIdentity::applicationName);
    note->setWindowFlag(Qt::WindowStaysOnTopHint);
    note->setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    note->setMinimumDuration(0);

    QPointer<VersionQuestion> asked(question);
    QObject::connect(note, &QProgressDialog::canceled, note, [note, asked] {
        if (asked) {
            asked->setProperty(kNoteProperty, QVariant()); // the note is going
            if (!asked->isFinished()) {
                asked->setProperty(kCancelledProperty, true);
                asked->giveUp();
            }
        }
        note->deleteLater();
    });
    question->setProperty(kNoteProperty, QVariant::fromValue<QObject *>(note));
    QObject::connect(question, &QObject::destroyed, note, [note] { dismiss(note); });
    note->show();
}

void closeFor(VersionQuestion *question)
{
    if (auto *note = qobject_cast<QProgressDialog *>(question->property(kNoteProperty).value<QObject *>()))
        dismiss(note);
    question->setProperty(kNoteProperty, QVariant());
}

bool wasCancelled(const VersionQuestion *question)
{
    return question->property(kCancelledProperty).toBool();
}

} // namespace UpdateProgress
