// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "singleinstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QLockFile>
#include <QMessageBox>
#include <QStandardPaths>

#include "topmessage.h"

SingleInstance::SingleInstance(const QString &folder)
{
    QString dir = folder;
    if (dir.isEmpty())
        dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    QDir().mkpath(dir);
    m_path = QDir(dir).filePath(QStringLiteral("gradora-%1.lock").arg(QLatin1String(kInstanceKey)));
    m_lock = std::make_unique<QLockFile>(m_path);
    // Only a dead holder makes the lock stale, never its age: a copy may run for weeks.
    m_lock->setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::acquire()
{
    return m_lock->tryLock(0);
}

QString SingleInstance::refusalText()
{
    return QObject::tr("Another instance of the program is already started. ");
}

void SingleInstance::showRefusal()
{
    QMessageBox box;
    TopMessage::dress(box);
    box.setText(refusalText());
    box.setIcon(QMessageBox::Information);
    box.exec();
}
