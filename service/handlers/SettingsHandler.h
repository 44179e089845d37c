#pragma once

#include "ServiceContext.h"
#include "ServiceDispatcher.h"

namespace service {

// "listSettings", "syncSetting", "writeSettings": named settings stored per device.
class SettingsHandler
{
public:
    explicit SettingsHandler(ServiceContext context);
    void registerMethods(ServiceDispatcher &dispatcher);

private:
    struct Incoming
    {
        QString name;
        QJsonValue value;
        // "h" as the console sent it; without one the service fills in a hash of the value.
        QJsonValue hash;
    };

    QJsonValue listSettings(const Call &call);
    QJsonValue syncSetting(const Call &call);
    QJsonValue writeSettings(const Call &call);

    static Incoming readSetting(const QJsonObject &setting);
    // Stores the setting on every device the condition selects (alias d); returns the count.
    int store(const Caller &caller, const Incoming &setting, const QString &deviceCondition,
        const QVariantList &values);
    QJsonObject load(qint64 deviceId, const QString &name);

    ServiceContext m_context;
};

} // namespace service
