#include "RolloutsHandler.h"

#include "AccessPolicy.h"
#include "AuditTrail.h"
#include "JsonArgs.h"
#include "ListResult.h"
#include "ServiceError.h"

#include <QRegularExpression>

namespace service {

namespace {
constexpr int maxTargets = 100;
constexpr int maxGroups = 10;
// The request body is bounded to 1 MiB, which holds about this many ids.
constexpr int maxDevices = 150000;
constexpr int maxDataLength = 256 * 1024;

int percentArg(const QJsonObject &from, const char *key, int fallback)
{
    const int value = JsonArgs::optionalInt(from, key).value_or(fallback);
    if (value < 1 || value > 100)
        throw ServiceError::invalid(QStringLiteral("\"%1\" must be 1 to 100").arg(key));
    return value;
}
} // namespace

RolloutsHandler::RolloutsHandler(ServiceContext context)
    : m_context(context)
    , m_rollouts(context.database, context.progress)
{ }

void RolloutsHandler::registerMethods(ServiceDispatcher &dispatcher)
{
    using Access = ServiceDispatcher::Access;
    dispatcher.addMethod(
        QStringLiteral("addRollout"), Access::Console, this, &RolloutsHandler::addRollout);
    dispatcher.addMethod(
        QStringLiteral("listRollouts"), Access::Console, this, &RolloutsHandler::listRollouts);
    dispatcher.addMethod(
        QStringLiteral("pauseRollout"), Access::Console, this, &RolloutsHandler::pauseRollout);
    dispatcher.addMethod(
        QStringLiteral("resumeRollout"), Access::Console, this, &RolloutsHandler::resumeRollout);
    dispatcher.addMethod(
        QStringLiteral("abortRollout"), Access::Console, this, &RolloutsHandler::abortRollout);
    dispatcher.addMethod(
        QStringLiteral("startNextGroup"), Access::Console, this, &RolloutsHandler::startNextGroup);
}

QJsonValue RolloutsHandler::addRollout(const Call &call)
{
    AccessPolicy::require(call.caller, AccessPolicy::Right::AddRollout);
    const QJsonObject rollout = JsonArgs::requiredObject(call.body, "rollout");
    RolloutRepository::NewRollout plan;
    plan.type = JsonArgs::optionalInt(rollout, "t").value_or(int(TaskType::FirmwareUpdate));
    // Only a firmware update has a version that tells which devices still need it.
    if (plan.type != int(TaskType::FirmwareUpdate))
        throw ServiceError::invalid(QStringLiteral("only firmware updates roll out in stages"));
    plan.dispersion = JsonArgs::optionalString(rollout, "dsp").value_or(QStringLiteral("00:00:10"));
    static const QRegularExpression span(QStringLiteral("^\\d{1,2}:[0-5]\\d:[0-5]\\d$"));
    if (!span.match(plan.dispersion).hasMatch())
        throw ServiceError::invalid(QStringLiteral("\"dsp\" must be a time span hh:mm:ss"));
    const QVector<qint64> sizes
        = JsonArgs::optionalIdList(rollout, "sizes", maxGroups - 1).value_or(QVector<qint64>());
    for (qint64 size : sizes) {
        if (size < 1 || size > 100)
            throw ServiceError::invalid(QStringLiteral("\"sizes\" are percentages 1 to 100"));
        plan.percents.append(int(size));
    }
    plan.thresholds.successPercent = percentArg(rollout, "st", 90);
    plan.thresholds.errorPercent = percentArg(rollout, "et", 10);
    plan.thresholds.automatic = JsonArgs::optionalBool(rollout, "auto").value_or(true);
    plan.userId = call.caller.userId;
    plan.customerId = call.caller.customerId;

    const QJsonValue targets = call.body.value(QLatin1String("targets"));
    if (!targets.isArray() || targets.toArray().isEmpty() || targets.toArray().size() > maxTargets)
        throw ServiceError::invalid(
            QStringLiteral("\"targets\" must list 1 to %1 targets").arg(maxTargets));
    int devices = 0;
    for (const QJsonValue &value : targets.toArray()) {
        if (!value.isObject())
            throw ServiceError::invalid(QStringLiteral("a target must be an object"));
        RolloutRepository::Target target;
        target.data = JsonArgs::optionalString(value.toObject(), "d").value_or(QString());
        if (target.data.size() > maxDataLength)
            throw ServiceError::invalid(QStringLiteral("task data too long"));
        target.deviceIds = JsonArgs::optionalIdList(value.toObject(), "ids", maxDevices)
                               .value_or(QVector<qint64>());
        devices += target.deviceIds.size();
        if (devices > maxDevices)
            throw ServiceError::invalid(QStringLiteral("too many devices"));
        plan.targets.append(target);
    }
    const qint64 id = m_rollouts.add(
        plan, m_context.policy.reach(call.caller), [](qint64 rollout, int devices) {
            AuditTrail::noteEntity(rollout);
            AuditTrail::noteReached(devices);
        });
    return m_rollouts.load(id);
}

QJsonValue RolloutsHandler::listRollouts(const Call &call)
{
    const QJsonObject filter
        = JsonArgs::optionalObject(call.body, "filter").value_or(QJsonObject());
    return ListResult::items(m_rollouts.list(
        m_context.policy.reach(call.caller), JsonArgs::optionalIdList(filter, "ids")));
}

QJsonValue RolloutsHandler::change(const Call &call, void (RolloutRepository::*action)(qint64))
{
    AccessPolicy::require(call.caller, AccessPolicy::Right::SteerRollout);
    const qint64 id = JsonArgs::requiredId(call.body, "rolloutId");
    m_context.policy.requireInReach(
        call.caller, m_rollouts.customerOf(id), QStringLiteral("rollout"));
    (m_rollouts.*action)(id);
    return m_rollouts.load(id);
}

QJsonValue RolloutsHandler::pauseRollout(const Call &call)
{
    return change(call, &RolloutRepository::pause);
}

QJsonValue RolloutsHandler::resumeRollout(const Call &call)
{
    return change(call, &RolloutRepository::resume);
}

QJsonValue RolloutsHandler::abortRollout(const Call &call)
{
    return change(call, &RolloutRepository::abort);
}

QJsonValue RolloutsHandler::startNextGroup(const Call &call)
{
    return change(call, &RolloutRepository::startNextGroup);
}

} // namespace service
