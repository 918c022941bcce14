// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "appidentity.h"
#include "commandline.h"
#include "mainform.h"
#include "platformsetup.h"
#include "programstore.h"
#include "singleinstance.h"
#include "translations.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>

int main(int argc, char *argv[])
{
    if (const std::optional<int> exitCode = CommandLine::answerWithoutDisplay(argc, argv))
        return *exitCode;

    PlatformSetup::prepareProcessEnvironment();
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(AppIdentity::desktopFileName);
    Translations::install(QLocale());
    QCoreApplication::processEvents();

    SingleInstance instance;
    if (!instance.acquire()) {
        SingleInstance::showRefusal();
        return 0;
    }

    QCoreApplication::setOrganizationName(AppIdentity::organizationName);
    QCoreApplication::setOrganizationDomain(AppIdentity::organizationDomain);
    QCoreApplication::setApplicationName(AppIdentity::applicationName);
    QCoreApplication::setApplicationVersion(AppIdentity::applicationVersion);
    ProgramStore::selectFormat();

    mainForm form;
    form.show();
    form.newRuler();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/128.png")));
    return QApplication::exec();
}
