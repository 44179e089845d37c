#pragma once

#include <QObject>

// Role of a user or login as the service sends and receives it.
class Role : public QObject
{
    Q_OBJECT
public:
    enum RoleName {
        God = 0,
        Administrator = 1,
        Technician = 2,
        Device = 3,
        DeviceStateMaintainer = 4,
        LocalAdministrator = 5,
        GlacisPusher = 6,
        SessionCleaner = 7,
    };
    Q_ENUM(RoleName)

    using QObject::QObject;
};
