// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "app/commandline.h"
#include "app/instancelink.h"
#include "app/platformsetup.h"
#include "app/programpicture.h"
#include "app/rulerhub.h"
#include "app/sessionend.h"
#include "app/singleinstance.h"
#include "app/translations.h"
#include "platform/desktopfactory.h"
#include "prefs/appidentity.h"
#include "prefs/programstore.h"
#include "prefs/ruleroptions.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <cstdio>

namespace {

// A second start: the running copy carries out the command. Returns the exit code.
int handOver(const InstanceCommand::Command &command)
{
    if (command.kind == InstanceCommand::Kind::Raise) {
        // The user is looking for the program: the running copy comes to the front as well.
        InstanceLink::sendToStartingCopy(command);
        SingleInstance::showRefusal();
        return 0;
    }
    // Asked for on purpose (a key, a launcher, a script): done without a word.
    if (InstanceLink::sendToStartingCopy(command))
        return 0;
    std::fputs(qPrintable(CommandLine::noAnswerText(QCoreApplication::applicationName())), stderr);
    return CommandLine::kNotRunning;
}

} // namespace

int main(int argc, char *argv[])
{
    if (const std::optional<int> exitCode = CommandLine::answerWithoutDisplay(argc, argv))
        return *exitCode;

    PlatformSetup::prepareProcessEnvironment();
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(AppIdentity::desktopFileName);
    Translations::install(QLocale());
    QCoreApplication::processEvents();
    // The pictures live in the static core library and are named here, before the first one is used.
    Q_INIT_RESOURCE(resources);
    // Before anything can show, so that even the refusal of a second start carries the icon.
    QApplication::setWindowIcon(QIcon(ProgramPicture::ofSize(128)));

    const InstanceCommand::Command command = CommandLine::parse(QCoreApplication::arguments()).command;
    SingleInstance instance;
    switch (instance.tryAcquire()) {
    case SingleInstance::Outcome::Acquired:
        break;
    case SingleInstance::Outcome::AnotherInstance:
        return handOver(command);
    case SingleInstance::Outcome::Unavailable:
        qWarning("%s", qPrintable(SingleInstance::unavailableText(instance.lockFilePath(),
                                                                  instance.failureReason())));
        SingleInstance::showUnavailable(instance.lockFilePath(), instance.failureReason());
        return 1;
    }

    QCoreApplication::setOrganizationName(AppIdentity::organizationName);
    QCoreApplication::setOrganizationDomain(AppIdentity::organizationDomain);
    QCoreApplication::setApplicationName(AppIdentity::applicationName);
    QCoreApplication::setApplicationVersion(AppIdentity::applicationVersion);
    ProgramStore::selectFormat();
    RulerOptionTable::registerKeyOrder();
    if (const QString refusal = ProgramStore::prepareFile(); !refusal.isEmpty()) {
        qWarning("%s", qPrintable(refusal));
        SingleInstance::showCannotStart(refusal);
        return 1;
    }

    // The desktop is asked for once, for the session the program runs in, and handed down.
    const std::unique_ptr<Desktop> desktop = DesktopFactory::create();
    RulerHub hub(desktop.get());
    // Logout, shutdown, `kill` and the display going away keep what the user changed, as "Quit" does.
    SessionEnd sessionEnd;
    QObject::connect(&sessionEnd, &SessionEnd::endRequested, &hub, &RulerHub::endSession);
    // Directly: the toolkit ends the process as soon as the announcement returns.
    QObject::connect(&sessionEnd, &SessionEnd::displayLost, &hub, &RulerHub::saveEverything,
                     Qt::DirectConnection);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &hub, &RulerHub::saveEverything);
    hub.openFirstRuler();
    hub.finishStart(command);
    InstanceLink link;
    QObject::connect(&link, &InstanceLink::commandReceived, &hub, &RulerHub::carryOut);
    QObject::connect(&link, &InstanceLink::starterReceived, &hub, &RulerHub::finishStart);
    QObject::connect(&link, &InstanceLink::picturesOpened, &hub, &RulerHub::openPictures);
    link.listen();
    return QApplication::exec();
}
