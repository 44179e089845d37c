#include "AuditTrail.h"

#include "AuditCatalogue.h"
#include "AuditLog.h"
#include "Database.h"
#include "Session.h"
#include "SessionStore.h"
#include "WireDate.h"

#include <QDebug>
#include <QSqlQuery>

namespace service {

namespace {
thread_local AuditRecord *currentRecord = nullptr;
} // namespace

AuditTrail::AuditTrail(Database &database, SessionStore &sessions, AuditLog &log)
    : m_database(database)
    , m_sessions(sessions)
    , m_log(log)
{ }

bool AuditTrail::records(const QString &method)
{
    return AuditCatalogue::isAudited(method);
}

AuditRecord AuditTrail::open(const QString &method, const QJsonObject &body, const Caller *caller,
    const QString &peerAddress)
{
    AuditRecord record;
    record.atMs = WireDate::nowMs();
    record.clientAddress = peerAddress.left(AuditCatalogue::maxTextLength);
    AuditCatalogue::describe(method, body, record);
    if (caller) {
        const bool inContext = caller->actingUserId && caller->actingUserId != caller->userId;
        record.actorId = inContext ? caller->actingUserId : caller->userId;
        record.contextUserId = inContext ? caller->userId : 0;
        record.customerId = caller->customerId;
        record.actorCustomerId = inContext ? customerOf(record.actorId) : caller->customerId;
    } else if (method == QLatin1String("login")) {
        describeSignIn(body, record);
    }
    return record;
}

void AuditTrail::describeSignIn(const QJsonObject &body, AuditRecord &record)
{
    if (!record.subject.isEmpty()) {
        QSqlQuery owner = m_database.prepare(
            QStringLiteral("SELECT user_id FROM logins WHERE login = ? AND method = ?"));
        owner.addBindValue(record.subject.trimmed());
        owner.addBindValue(QStringLiteral("login-password"));
        Database::exec(owner);
        if (owner.next())
            record.actorId = owner.value(0).toLongLong();
        owner.finish();
        record.customerId = record.actorCustomerId = customerOf(record.actorId);
        return;
    }
    // A switch into a user's context: the actor is the owner of the session it starts from.
    const QJsonObject data = body.value(QLatin1String("data")).toObject();
    if (const auto own = m_sessions.use(data.value(QLatin1String("sessionToken")).toString())) {
        record.actorId = own->userId;
        record.actorCustomerId = customerOf(own->userId);
    }
    record.contextUserId = record.entityIds.isEmpty() ? 0 : record.entityIds.first();
    record.customerId = customerOf(record.contextUserId);
}

qint64 AuditTrail::customerOf(qint64 userId)
{
    if (userId <= 0)
        return 0;
    QSqlQuery query
        = m_database.prepare(QStringLiteral("SELECT customer_id FROM users WHERE id = ?"));
    query.addBindValue(userId);
    Database::exec(query);
    return query.next() ? query.value(0).toLongLong() : 0;
}

void AuditTrail::appendInTransaction(const AuditRecord &record)
{
    m_log.append(record);
}

void AuditTrail::store(const AuditRecord &record) noexcept
{
    try {
        m_database.write([&] { m_log.append(record); });
    } catch (const std::exception &error) {
        qWarning() << "AuditTrail::store()" << record.method << error.what();
    }
}

AuditTrail::Scope::Scope(AuditRecord *record)
    : m_outer(currentRecord)
{
    currentRecord = record;
}

AuditTrail::Scope::~Scope()
{
    currentRecord = m_outer;
}

void AuditTrail::noteEntity(qint64 id)
{
    if (currentRecord && id > 0 && !currentRecord->entityIds.contains(id))
        currentRecord->entityIds.append(id);
}

void AuditTrail::noteReached(qint64 devices)
{
    if (currentRecord)
        currentRecord->reached = devices;
}

} // namespace service
