#pragma once

#include <QObject>

// The wire vocabulary shared with the console: status codes, roles, task types and states.
// Their names are reflected so that a test holds them against the console's own.
namespace service {
Q_NAMESPACE

enum class StatusCode {
    Ok = 0,
    Error = 1,
    Unauthentificated = 2,
    NoRights = 3,
    AlreadyExists = 4,
    NotFound = 5,
    InvalidArgument = 6,
    WrongContext = 7,
};
Q_ENUM_NS(StatusCode)

enum class UserRole {
    God = 0,
    Administrator = 1,
    Technician = 2,
    Device = 3,
    DeviceStateMaintainer = 4,
    LocalAdministrator = 5,
    GlacisPusher = 6,
    SessionCleaner = 7,
};
Q_ENUM_NS(UserRole)

enum class TaskType {
    Undefined = 0,
    SoftwareUpdate = 1,
    ShellScript = 2,
    FirmwareUpdate = 3,
    RunApplication = 4,
    ShowMessage = 5,
    AutoPowerOn = 6,
    AutoPowerOff = 7,
    DisablePowerManagement = 8,
};
Q_ENUM_NS(TaskType)

enum class TaskStatus {
    Pending = 0,
    Running = 1,
    Completed = 2,
    Canceled = 3,
    Failed = 4,
};
Q_ENUM_NS(TaskStatus)

inline bool isValidRole(int role)
{
    return role >= int(UserRole::God) && role <= int(UserRole::SessionCleaner);
}

} // namespace service
