#include "appidentity.h"
#include "mainform.h"
#include "platformsetup.h"
#include "programstore.h"
#include "sessionend.h"
#include "singleinstance.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    PlatformSetup::prepareProcessEnvironment();
    QApplication app(argc, argv);
    QCoreApplication::processEvents();

    SingleInstance instance;
    switch (instance.tryAcquire()) {
    case SingleInstance::Outcome::Acquired:
        break;
    case SingleInstance::Outcome::AnotherInstance:
        SingleInstance::showRefusal();
        return 0;
    case SingleInstance::Outcome::Unavailable:
        SingleInstance::showUnavailable(instance.lockFilePath(), instance.failureReason());
        return 1;
    }

    QCoreApplication::setOrganizationName(AppIdentity::organizationName);
    QCoreApplication::setOrganizationDomain(AppIdentity::organizationDomain);
    QCoreApplication::setApplicationName(AppIdentity::applicationName);
    QCoreApplication::setApplicationVersion(AppIdentity::applicationVersion);
    ProgramStore::selectFormat();

    mainForm form;
    // Logout, shutdown and `kill` keep what the user changed, as "Quit" does.
    SessionEnd sessionEnd;
    QObject::connect(&sessionEnd, &SessionEnd::endRequested, &form, &mainForm::endSession);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &form, &mainForm::saveEverything);
    form.show();
    form.newRuler();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/128.png")));
    return QApplication::exec();
}
