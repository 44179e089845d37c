#include "RoleRights.h"

#include "Role.h"

#include <initializer_list>

namespace {

struct Grant
{
    RoleRights::Right right;
    std::initializer_list<Role::RoleName> roles;
};

constexpr auto God = Role::God;
constexpr auto Administrator = Role::Administrator;
constexpr auto LocalAdministrator = Role::LocalAdministrator;
constexpr auto Technician = Role::Technician;

// Device and service roles have no console access at all.
const Grant grants[] = {
    { RoleRights::AddLocation, { God, Administrator } },
    { RoleRights::AddRootLocation, { God } },
    { RoleRights::EditLocation, { God, Administrator, LocalAdministrator } },
    { RoleRights::ArchiveLocation, { God, Administrator, LocalAdministrator } },
    { RoleRights::AddUser, { God, Administrator, LocalAdministrator } },
    { RoleRights::EditUser, { God, Administrator, LocalAdministrator } },
    { RoleRights::ArchiveUser, { God, Administrator, LocalAdministrator } },
    { RoleRights::DisableUser, { God, Administrator, LocalAdministrator } },
    { RoleRights::ManageLogins, { God, Administrator, LocalAdministrator } },
    { RoleRights::SwitchUserContext, { God, Administrator, LocalAdministrator } },
    { RoleRights::CreateTag, { God, Administrator, LocalAdministrator } },
    { RoleRights::EditTag, { God, Administrator, LocalAdministrator } },
    { RoleRights::DeleteTag, { God, Administrator, LocalAdministrator } },
    { RoleRights::EditDevice, { God, Administrator, LocalAdministrator } },
    { RoleRights::TagDevices, { God, Administrator, LocalAdministrator } },
    { RoleRights::UnbindDevice, { God, Administrator, LocalAdministrator } },
    { RoleRights::EditDeviceSettings, { God, Administrator, LocalAdministrator } },
    { RoleRights::AddTask, { God, Administrator, LocalAdministrator, Technician } },
    { RoleRights::CancelTask, { God, Administrator, LocalAdministrator } },
    { RoleRights::RestartTask, { God, Administrator, LocalAdministrator } },
    { RoleRights::AddRollout, { God, Administrator, LocalAdministrator, Technician } },
    { RoleRights::SteerRollout, { God, Administrator, LocalAdministrator } },
    { RoleRights::CreateRoleSession, { God, Administrator } },
    { RoleRights::ReadActivity, { God, Administrator, LocalAdministrator } },
};

} // namespace

bool RoleRights::allows(int role, int right)
{
    if (role < 0)
        return true;
    for (const Grant &grant : grants) {
        if (grant.right != right)
            continue;
        for (Role::RoleName granted : grant.roles) {
            if (granted == role)
                return true;
        }
        return false;
    }
    return false;
}
