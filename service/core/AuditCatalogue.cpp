#include "AuditCatalogue.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>

namespace service {

namespace {
struct Entry
{
    QString kind;
    // The member of the body that holds the entity, if any.
    QString objectKey;
    QString action;
};

const QHash<QString, Entry> &entries()
{
    static const QHash<QString, Entry> all {
        { QStringLiteral("addCustomer"), { "location", "customer", "add" } },
        { QStringLiteral("updateCustomer"), { "location", "customer", "update" } },
        { QStringLiteral("addUser"), { "user", "user", "add" } },
        { QStringLiteral("updateUser"), { "user", "user", "update" } },
        { QStringLiteral("addLogin"), { "login", "login", "set" } },
        { QStringLiteral("addTag"), { "tag", "tag", "add" } },
        { QStringLiteral("updateTag"), { "tag", "tag", "update" } },
        { QStringLiteral("deleteTag"), { "tag", {}, "delete" } },
        { QStringLiteral("tagDevices"), { "device", {}, "tag" } },
        { QStringLiteral("updateDevice"), { "device", "device", "update" } },
        { QStringLiteral("unbindDevice"), { "device", {}, "unbind" } },
        { QStringLiteral("writeSettings"), { "settings", "setting", "write" } },
        { QStringLiteral("syncSetting"), { "settings", "setting", "sync" } },
        { QStringLiteral("addTask"), { "task", "task", "add" } },
        { QStringLiteral("cancelTask"), { "task", {}, "cancel" } },
        { QStringLiteral("restartTask"), { "task", {}, "restart" } },
        { QStringLiteral("cancelTickets"), { "ticket", {}, "cancel" } },
        { QStringLiteral("restartTickets"), { "ticket", {}, "restart" } },
        { QStringLiteral("createRoleSession"), { "roleSession", {}, "create" } },
        { QStringLiteral("login"), { "session", {}, "sign-in" } },
        { QStringLiteral("logoff"), { "session", {}, "log-off" } },
    };
    return all;
}

QString cut(const QString &text, int length)
{
    return text.size() <= length ? text : text.left(length);
}

// Ids come as numbers or, from some callers, as their text.
void addId(QVector<qint64> &ids, const QJsonValue &value)
{
    qint64 id = 0;
    if (value.isDouble() && value.toDouble() > 0 && value.toDouble() < 9e15)
        id = qint64(value.toDouble());
    else if (value.isString())
        id = value.toString().toLongLong();
    if (id > 0 && !ids.contains(id))
        ids.append(id);
}

// An archive or a disable is a different act from an edit, though the same method does both.
QString refinedAction(const QString &action, const QJsonObject &object)
{
    if (action != QLatin1String("update"))
        return action;
    if (object.value(QLatin1String("a")).toBool())
        return QStringLiteral("archive");
    if (object.value(QLatin1String("d")).toBool())
        return QStringLiteral("disable");
    return action;
}
} // namespace

bool AuditCatalogue::isAudited(const QString &method)
{
    return entries().contains(method);
}

void AuditCatalogue::describe(const QString &method, const QJsonObject &body, AuditRecord &record)
{
    const Entry entry = entries().value(method);
    record.method = method;
    record.entityKind = entry.kind;
    record.action = entry.action;
    for (const char *key : { "id", "taskId", "tagId" })
        addId(record.entityIds, body.value(QLatin1String(key)));
    for (const char *key : { "ticketIds", "ids" }) {
        const QJsonArray list = body.value(QLatin1String(key)).toArray();
        for (int i = 0; i < list.size() && record.entityIds.size() < 100; ++i)
            addId(record.entityIds, list.at(i));
    }
    if (!entry.objectKey.isEmpty()) {
        const QJsonObject object = body.value(entry.objectKey).toObject();
        addId(record.entityIds, object.value(QLatin1String("id")));
        addId(record.entityIds, object.value(QLatin1String("userId")));
        record.entityName = cut(object.value(QLatin1String("n")).toString(), maxTextLength);
        record.action = refinedAction(entry.action, object);
    }
    const QJsonValue filter = body.contains(QLatin1String("devicesFilter"))
        ? body.value(QLatin1String("devicesFilter"))
        : body.value(QLatin1String("filter"));
    if (filter.isObject())
        record.filter = cut(
            QString::fromUtf8(QJsonDocument(filter.toObject()).toJson(QJsonDocument::Compact)),
            maxFilterLength);
    if (method == QLatin1String("login")) {
        const QJsonObject data = body.value(QLatin1String("data")).toObject();
        if (body.value(QLatin1String("method")).toString() == QLatin1String("user-context")) {
            record.action = QStringLiteral("switch context");
            addId(record.entityIds, data.value(QLatin1String("userId")));
        } else {
            record.subject = cut(data.value(QLatin1String("login")).toString(), maxTextLength);
        }
    }
}

} // namespace service
