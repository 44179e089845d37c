#include "OstrelModule.h"

#include "AnswerReader.h"
#include "Application.h"
#include "CatalogueReader.h"
#include "DialogFolders.h"
#include "IO.h"
#include "LoginCredentials.h"
#include "LoginInfo.h"
#include "NetworkManager.h"
#include "ResponseStatus.h"
#include "Role.h"
#include "RoleRights.h"
#include "SessionVault.h"
#include "Task.h"

#include <QQmlEngine>

namespace OstrelModule {

void registerTypes()
{
    const char *uri = "Ostrel";
    qmlRegisterUncreatableType<Application>(uri, 1, 0, "Application", QStringLiteral("use core"));
    qmlRegisterSingletonType<IO>(
        uri, 1, 0, "IO", [](QQmlEngine *, QJSEngine *) -> QObject * { return new IO; });
    qmlRegisterSingletonType<DialogFolders>(uri, 1, 0, "DialogFolders",
        [](QQmlEngine *, QJSEngine *) -> QObject * { return new DialogFolders; });
    qmlRegisterSingletonType<NetworkManager>(uri, 1, 0, "NetworkManager",
        [](QQmlEngine *, QJSEngine *) -> QObject * { return new NetworkManager; });
    qmlRegisterSingletonType<SessionVault>(uri, 1, 0, "SessionVault",
        [](QQmlEngine *, QJSEngine *) -> QObject * { return new SessionVault; });
    qmlRegisterType<AnswerReader>(uri, 1, 0, "AnswerReader");
    qmlRegisterType<CatalogueReader>(uri, 1, 0, "CatalogueReader");
    qmlRegisterType<LoginCredentials>(uri, 1, 0, "LoginCredentials");
    qmlRegisterType<LoginInfo>(uri, 1, 0, "LoginInfo");
    qmlRegisterType<Task>(uri, 1, 0, "Tasks");
    qmlRegisterType<ResponseStatus>(uri, 1, 0, "ResponseStatus");
    qmlRegisterType<Role>(uri, 1, 0, "Role");
    qmlRegisterSingletonType<RoleRights>(uri, 1, 0, "RoleRights",
        [](QQmlEngine *, QJSEngine *) -> QObject * { return new RoleRights; });
}

} // namespace OstrelModule
