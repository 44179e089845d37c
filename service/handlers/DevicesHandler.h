#pragma once

#include "DeviceRepository.h"
#include "ServiceContext.h"
#include "ServiceDispatcher.h"

namespace service {

// "listDevices", "listFirmwares", "listModels", "updateDevice", "tagDevices", "unbindDevice".
class DevicesHandler
{
public:
    explicit DevicesHandler(ServiceContext context);
    void registerMethods(ServiceDispatcher &dispatcher);

    // Throws NotFound for an unknown device and NoRights for one outside the caller's reach.
    static void requireDeviceInReach(
        ServiceContext &context, const Caller &caller, qint64 deviceId);

private:
    QJsonValue listDevices(const Call &call);
    QJsonValue listCatalogue(const QString &table);
    QJsonValue updateDevice(const Call &call);
    QJsonValue tagDevices(const Call &call);
    QJsonValue unbindDevice(const Call &call);

    ServiceContext m_context;
    DeviceRepository m_devices;
};

} // namespace service
