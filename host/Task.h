#pragma once

#include <QObject>

// Kinds and states of tasks sent to devices; QML knows it as Tasks.
class Task : public QObject
{
    Q_OBJECT
public:
    enum TasksType {
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
    Q_ENUM(TasksType)

    enum TasksStatus {
        Pending = 0,
        Running = 1,
        Completed = 2,
        Canceled = 3,
        Failed = 4,
    };
    Q_ENUM(TasksStatus)

    using QObject::QObject;
};
