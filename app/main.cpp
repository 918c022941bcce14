#include "appidentity.h"
#include "mainform.h"
#include "platformsetup.h"
#include "programstore.h"
#include "singleinstance.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    PlatformSetup::prepareProcessEnvironment();
    QApplication app(argc, argv);
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
