#include "CustomersHandler.h"

#include "AccessPolicy.h"
#include "AuditTrail.h"
#include "Database.h"
#include "FieldSelection.h"
#include "JsonArgs.h"
#include "ListResult.h"
#include "LocationTree.h"
#include "ServiceError.h"
#include "SqlWhere.h"

#include <QJsonArray>
#include <QSqlQuery>

namespace service {

namespace {
const QString selectLocation
    = QStringLiteral("SELECT id, name, domain, owner_id, archived FROM customers");
} // namespace

QJsonObject CustomersHandler::Location::toJson() const
{
    return QJsonObject {
        { QStringLiteral("id"), id },
        { QStringLiteral("n"), name },
        { QStringLiteral("d"), domain },
        { QStringLiteral("oId"), ownerId },
        { QStringLiteral("a"), archived },
    };
}

CustomersHandler::CustomersHandler(ServiceContext context)
    : m_context(context)
{ }

void CustomersHandler::registerMethods(ServiceDispatcher &dispatcher)
{
    using Access = ServiceDispatcher::Access;
    dispatcher.addMethod(
        QStringLiteral("listCustomers"), Access::Console, this, &CustomersHandler::listCustomers);
    dispatcher.addMethod(
        QStringLiteral("addCustomer"), Access::Console, this, &CustomersHandler::addCustomer);
    dispatcher.addMethod(
        QStringLiteral("updateCustomer"), Access::Console, this, &CustomersHandler::updateCustomer);
}

QString CustomersHandler::validName(const QJsonObject &customer)
{
    const QString name = JsonArgs::requiredString(customer, "n").trimmed();
    if (name.isEmpty() || name.size() > 200)
        throw ServiceError::invalid(QStringLiteral("location name must hold 1 to 200 characters"));
    return name;
}

std::optional<qint64> CustomersHandler::ownerOf(const QJsonObject &customer)
{
    // The console writes the owner as "oid" and reads it as "oId"; take either.
    if (customer.contains(QLatin1String("oid")))
        return JsonArgs::optionalId(customer, "oid");
    return JsonArgs::optionalId(customer, "oId");
}

std::optional<CustomersHandler::Location> CustomersHandler::find(qint64 id)
{
    QSqlQuery query = m_context.database.prepare(selectLocation + QStringLiteral(" WHERE id = ?"));
    query.addBindValue(id);
    Database::exec(query);
    if (!query.next())
        return std::nullopt;
    return Location { query.value(0).toLongLong(), query.value(1).toString(),
        query.value(2).toString(), query.value(3).toLongLong(), query.value(4).toBool() };
}

void CustomersHandler::requireValidOwner(const Caller &caller, qint64 ownerId)
{
    if (ownerId == 0) {
        m_context.policy.requireGod(caller);
        return;
    }
    m_context.policy.requireLocationArgument(caller, ownerId);
}

QJsonValue CustomersHandler::listCustomers(const Call &call)
{
    const QJsonObject filter
        = JsonArgs::optionalObject(call.body, "filter").value_or(QJsonObject());
    const FieldSelection what = FieldSelection::fromRequest(call.body);
    const bool servants = JsonArgs::optionalBool(filter, "includeServants").value_or(true);

    SqlWhere where;
    where.add(m_context.policy.reach(call.caller, servants).sqlCondition(QStringLiteral("id")));
    if (const auto ids = JsonArgs::optionalIdList(filter, "ids"))
        where.add(QStringLiteral("id IN ") + SqlList::numbers(*ids));
    if (const auto name = JsonArgs::optionalString(filter, "name"); name && !name->isEmpty())
        where.add(QStringLiteral("name LIKE ? ESCAPE '\\'"), { SqlList::containsPattern(*name) });
    if (const auto domain = JsonArgs::optionalString(filter, "domain");
        domain && !domain->isEmpty())
        where.add(
            QStringLiteral("domain LIKE ? ESCAPE '\\'"), { SqlList::containsPattern(*domain) });
    if (const auto owner = JsonArgs::optionalId(filter, "ownerId"); owner && *owner >= 0)
        where.add(QStringLiteral("owner_id = ?"), { *owner });
    if (const auto archived = JsonArgs::optionalBool(filter, "archived"))
        where.add(QStringLiteral("archived = ?"), { *archived ? 1 : 0 });

    QSqlQuery query = m_context.database.prepare(
        selectLocation + where.clause() + QStringLiteral(" ORDER BY id"));
    where.bind(query);
    Database::exec(query);
    QJsonArray items;
    while (query.next()) {
        const Location location { query.value(0).toLongLong(), query.value(1).toString(),
            query.value(2).toString(), query.value(3).toLongLong(), query.value(4).toBool() };
        items.append(what.project(location.toJson()));
    }
    return ListResult::items(items);
}

QJsonValue CustomersHandler::addCustomer(const Call &call)
{
    AccessPolicy::require(call.caller, AccessPolicy::Right::AddLocation);
    const QJsonObject customer = JsonArgs::requiredObject(call.body, "customer");
    const QString name = validName(customer);
    const QString domain = JsonArgs::optionalString(customer, "d").value_or(QString()).trimmed();
    const qint64 ownerId = ownerOf(customer).value_or(0);
    requireValidOwner(call.caller, ownerId);

    const qint64 id = m_context.database.write([&] {
        QSqlQuery insert = m_context.database.prepare(QStringLiteral(
            "INSERT INTO customers (name, domain, owner_id, archived) VALUES (?, ?, ?, 0)"));
        insert.addBindValue(name);
        insert.addBindValue(Database::text(domain));
        insert.addBindValue(ownerId);
        Database::exec(insert);
        const qint64 id = m_context.database.lastInsertId(insert);
        AuditTrail::noteEntity(id);
        return id;
    });
    return find(id)->toJson();
}

QJsonValue CustomersHandler::updateCustomer(const Call &call)
{
    AccessPolicy::require(call.caller, AccessPolicy::Right::EditLocation);
    const QJsonObject changes = JsonArgs::requiredObject(call.body, "customer");
    const qint64 id = JsonArgs::requiredId(changes, "id");
    // Read, check and write in one transaction, so that concurrent partial updates all land.
    m_context.database.write([&] {
        auto location = find(id);
        if (!location)
            throw ServiceError::notFound(QStringLiteral("no such location"));
        m_context.policy.requireInReach(call.caller, id);

        if (changes.contains(QLatin1String("n")))
            location->name = validName(changes);
        location->domain
            = JsonArgs::optionalString(changes, "d").value_or(location->domain).trimmed();
        const bool archive = JsonArgs::optionalBool(changes, "a").value_or(location->archived);
        if (archive && !location->archived)
            AccessPolicy::require(call.caller, AccessPolicy::Right::ArchiveLocation);
        location->archived = archive;
        if (const auto owner = ownerOf(changes); owner && *owner != location->ownerId) {
            // An administrator's own location is the top of his reach: he cannot move it away.
            if (id == call.caller.customerId)
                m_context.policy.requireGod(call.caller);
            requireValidOwner(call.caller, *owner);
            if (m_context.tree.subtree(id).contains(*owner))
                throw ServiceError::invalid(QStringLiteral("a location cannot move below itself"));
            location->ownerId = *owner;
        }
        if (location->archived && id == call.caller.customerId)
            throw ServiceError::invalid(
                QStringLiteral("the caller's own location cannot be archived"));

        QSqlQuery update = m_context.database.prepare(QStringLiteral(
            "UPDATE customers SET name = ?, domain = ?, owner_id = ?, archived = ? WHERE id = ?"));
        update.addBindValue(location->name);
        update.addBindValue(Database::text(location->domain));
        update.addBindValue(location->ownerId);
        update.addBindValue(location->archived ? 1 : 0);
        update.addBindValue(id);
        Database::exec(update);
    });
    return find(id)->toJson();
}

} // namespace service
