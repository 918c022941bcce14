#include "updateprogress.h"

#include "appidentity.h"

#include <QCoreApplication>
#include <QNetworkReply>
#include <QPointer>
#include <QProgressDialog>
#include <QVariant>

namespace UpdateProgress {

void showFor(QNetworkReply *reply)
{
    auto *note = new QProgressDialog(QCoreApplication::translate("Settings", "Checking for updates…"),
                                     QCoreApplication::translate("Settings", "Cancel"), 0, 0);
    note->setWindowTitle(AppIdentity::applicationName);
    note->setWindowFlag(Qt::WindowStaysOnTopHint);
    note->setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    note->setMinimumDuration(0);

    QPointer<QNetworkReply> asked(reply);
    QObject::connect(note, &QProgressDialog::canceled, note, [note, asked] {
        if (asked && !asked->isFinished()) {
            asked->setProperty(kCancelledProperty, true);
            asked->abort();
        }
        note->deleteLater();
    });
    // Gone before the answer shows; closing it must not count as a cancel.
    auto dismiss = [note] {
        QObject::disconnect(note, &QProgressDialog::canceled, nullptr, nullptr);
        note->hide();
        note->deleteLater();
    };
    QObject::connect(reply, &QNetworkReply::finished, note, dismiss);
    QObject::connect(reply, &QObject::destroyed, note, dismiss);
    note->show();
}

bool wasCancelled(const QNetworkReply *reply)
{
    return reply->property(kCancelledProperty).toBool();
}

} // namespace UpdateProgress
