#include "AccessPolicy.h"

#include "LocationTree.h"
#include "Protocol.h"
#include "ServiceError.h"

#include <QMetaEnum>

namespace service {

AccessPolicy::AccessPolicy(LocationTree &tree)
    : m_tree(tree)
{ }

bool AccessPolicy::isConsoleRole(int role)
{
    switch (UserRole(role)) {
    case UserRole::God:
    case UserRole::Administrator:
    case UserRole::LocalAdministrator:
    case UserRole::Technician:
        return true;
    default:
        return false;
    }
}

bool AccessPolicy::isManagerRole(int role)
{
    return role == int(UserRole::God) || role == int(UserRole::Administrator)
        || role == int(UserRole::LocalAdministrator);
}

void AccessPolicy::requireConsoleRole(const Caller &caller) const
{
    if (!isConsoleRole(caller.role))
        throw ServiceError::noRights(QStringLiteral("role has no console access"));
}

void AccessPolicy::requireManager(const Caller &caller) const
{
    if (!isManagerRole(caller.role))
        throw ServiceError::noRights(QStringLiteral("administrators only"));
}

bool AccessPolicy::roleHas(int role, Right right)
{
    switch (right) {
    case Right::AddRootLocation:
        return role == int(UserRole::God);
    case Right::AddLocation:
    case Right::CreateRoleSession:
        return role == int(UserRole::God) || role == int(UserRole::Administrator);
    case Right::AddTask:
    case Right::AddRollout:
        return isConsoleRole(role);
    case Right::EditLocation:
    case Right::ArchiveLocation:
    case Right::AddUser:
    case Right::EditUser:
    case Right::ArchiveUser:
    case Right::DisableUser:
    case Right::ManageLogins:
    case Right::SwitchUserContext:
    case Right::CreateTag:
    case Right::EditTag:
    case Right::DeleteTag:
    case Right::EditDevice:
    case Right::TagDevices:
    case Right::UnbindDevice:
    case Right::EditDeviceSettings:
    case Right::CancelTask:
    case Right::RestartTask:
    case Right::SteerRollout:
    case Right::ReadActivity:
        return isManagerRole(role);
    }
    return false;
}

void AccessPolicy::require(const Caller &caller, Right right)
{
    if (!roleHas(caller.role, right))
        throw ServiceError::noRights(QStringLiteral("role may not: ")
            + QLatin1String(QMetaEnum::fromType<Right>().valueToKey(int(right))));
}

void AccessPolicy::requireGod(const Caller &caller) const
{
    if (caller.role != int(UserRole::God))
        throw ServiceError::noRights(QStringLiteral("reserved to God"));
}

LocationReach AccessPolicy::reach(const Caller &caller, bool includeServants) const
{
    if (!includeServants)
        return LocationReach::of({ caller.customerId });
    if (caller.role == int(UserRole::God))
        return LocationReach::everything();
    return LocationReach::of(m_tree.subtree(caller.customerId));
}

void AccessPolicy::requireOwnSession(const Caller &caller)
{
    if (caller.roleSession)
        throw ServiceError::noRights(QStringLiteral("not allowed with a role session"));
}

void AccessPolicy::requireInReach(
    const Caller &caller, qint64 customerId, const QString &what) const
{
    if (!reach(caller).contains(customerId))
        throw ServiceError::notFound(QStringLiteral("no such ") + what);
}

void AccessPolicy::requireLocationArgument(const Caller &caller, qint64 customerId) const
{
    if (!m_tree.exists(customerId) || !reach(caller).contains(customerId))
        throw ServiceError::invalid(QStringLiteral("no such location"));
}

LocationReach AccessPolicy::scopedReach(
    const Caller &caller, std::optional<qint64> customerId, bool includeServants) const
{
    if (!customerId || *customerId <= 0)
        return reach(caller, includeServants);
    requireInReach(caller, *customerId);
    if (!includeServants)
        return LocationReach::of({ *customerId });
    return LocationReach::of(m_tree.subtree(*customerId));
}

QVector<int> AccessPolicy::rolesAllowedToCreate(int callerRole)
{
    switch (UserRole(callerRole)) {
    case UserRole::God:
        return { 0, 1, 2, 3, 4, 5, 6, 7 };
    case UserRole::Administrator:
        return { int(UserRole::Administrator), int(UserRole::Technician), int(UserRole::Device),
            int(UserRole::LocalAdministrator) };
    case UserRole::LocalAdministrator:
        return { int(UserRole::Technician), int(UserRole::Device),
            int(UserRole::LocalAdministrator) };
    default:
        return {};
    }
}

bool AccessPolicy::mayGrantRole(int callerRole, int role)
{
    return rolesAllowedToCreate(callerRole).contains(role);
}

namespace {
int rank(int role)
{
    switch (UserRole(role)) {
    case UserRole::God:
        return 4;
    case UserRole::Administrator:
        return 3;
    case UserRole::LocalAdministrator:
        return 2;
    case UserRole::Technician:
        return 1;
    default:
        return 0;
    }
}
} // namespace

bool AccessPolicy::outranks(int callerRole, int targetRole)
{
    return rank(callerRole) > rank(targetRole);
}

bool AccessPolicy::outranksOrEquals(int callerRole, int targetRole)
{
    if (callerRole == int(UserRole::God))
        return true;
    if (targetRole == int(UserRole::God))
        return false;
    if (callerRole == int(UserRole::LocalAdministrator))
        return targetRole != int(UserRole::Administrator);
    return isManagerRole(callerRole);
}

} // namespace service
