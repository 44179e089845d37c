#pragma once

#include <QObject>

// What each role may do at all, whatever the object: the console offers only these actions.
// The service decides every call; this table mirrors its own (a test holds the two together).
class RoleRights : public QObject
{
    Q_OBJECT
public:
    enum Right {
        AddLocation,
        AddRootLocation,
        EditLocation,
        ArchiveLocation,
        AddUser,
        EditUser,
        ArchiveUser,
        DisableUser,
        // Another user's logins: the own ones are always the user's to manage.
        ManageLogins,
        SwitchUserContext,
        CreateTag,
        EditTag,
        DeleteTag,
        EditDevice,
        TagDevices,
        UnbindDevice,
        EditDeviceSettings,
        AddTask,
        CancelTask,
        RestartTask,
        AddRollout,
        SteerRollout,
        CreateRoleSession,
        ReadActivity,
    };
    Q_ENUM(Right)

    using QObject::QObject;

    // A role not known (-1: no session, or a service that does not tell) is given every
    // right: the service refuses what it must, and nothing is hidden on a guess.
    Q_INVOKABLE static bool allows(int role, int right);
};
