#include "SchemaMigrator.h"

#include "Database.h"
#include "ServiceError.h"

#include <QSqlQuery>
#include <QStringList>

namespace service {

namespace {
// Each entry is one migration step; never edit a step that has shipped, append a new one.
const QStringList &steps()
{
    static const QStringList all = {
        QStringLiteral(R"(
CREATE TABLE customers (
    id INTEGER PRIMARY KEY,
    name TEXT NOT NULL,
    domain TEXT NOT NULL DEFAULT '',
    owner_id INTEGER NOT NULL DEFAULT 0,
    archived INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX customers_owner ON customers(owner_id);
CREATE TABLE users (
    id INTEGER PRIMARY KEY,
    name TEXT NOT NULL,
    customer_id INTEGER NOT NULL,
    role INTEGER NOT NULL,
    built_in INTEGER NOT NULL DEFAULT 0,
    disabled INTEGER NOT NULL DEFAULT 0,
    archived INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX users_customer ON users(customer_id);
CREATE TABLE logins (
    id INTEGER PRIMARY KEY,
    user_id INTEGER NOT NULL REFERENCES users(id),
    method TEXT NOT NULL,
    login TEXT NOT NULL COLLATE NOCASE UNIQUE,
    salt BLOB NOT NULL,
    hash BLOB NOT NULL,
    iterations INTEGER NOT NULL
);
CREATE INDEX logins_user ON logins(user_id);
CREATE TABLE sessions (
    token TEXT PRIMARY KEY,
    user_id INTEGER NOT NULL,
    role INTEGER NOT NULL,
    created_ms INTEGER NOT NULL,
    last_used_ms INTEGER NOT NULL,
    valid_from_ms INTEGER NOT NULL DEFAULT 0,
    valid_to_ms INTEGER NOT NULL DEFAULT 0,
    time_limited INTEGER NOT NULL DEFAULT 0
);
CREATE TABLE tags (
    id INTEGER PRIMARY KEY,
    parent_id INTEGER NOT NULL DEFAULT 0,
    name TEXT NOT NULL,
    customer_id INTEGER NOT NULL
);
CREATE INDEX tags_parent ON tags(parent_id);
CREATE TABLE firmwares (id TEXT PRIMARY KEY, name TEXT NOT NULL);
CREATE TABLE models (id TEXT PRIMARY KEY, name TEXT NOT NULL);
CREATE TABLE devices (
    id INTEGER PRIMARY KEY,
    name TEXT NOT NULL DEFAULT '',
    type TEXT NOT NULL DEFAULT 'ifp',
    model_id TEXT NOT NULL DEFAULT '',
    firmware_id TEXT NOT NULL DEFAULT '',
    customer_id INTEGER,
    is_online INTEGER NOT NULL DEFAULT 0,
    last_online_ms INTEGER NOT NULL DEFAULT 0,
    registered_ms INTEGER NOT NULL DEFAULT 0,
    description TEXT NOT NULL DEFAULT '',
    ip TEXT NOT NULL DEFAULT '',
    mac TEXT NOT NULL DEFAULT ''
);
CREATE INDEX devices_customer ON devices(customer_id, id);
CREATE TABLE device_tags (
    device_id INTEGER NOT NULL REFERENCES devices(id),
    tag_id INTEGER NOT NULL,
    PRIMARY KEY (device_id, tag_id)
) WITHOUT ROWID;
CREATE INDEX device_tags_tag ON device_tags(tag_id, device_id);
CREATE TABLE settings (
    device_id INTEGER NOT NULL,
    name TEXT NOT NULL,
    value TEXT,
    user_id INTEGER NOT NULL DEFAULT 0,
    customer_id INTEGER NOT NULL DEFAULT 0,
    hash TEXT NOT NULL DEFAULT '',
    stamp_ms INTEGER NOT NULL DEFAULT 0,
    revision INTEGER NOT NULL DEFAULT 0,
    PRIMARY KEY (device_id, name)
);
CREATE TABLE tasks (
    id INTEGER PRIMARY KEY,
    type INTEGER NOT NULL,
    status INTEGER NOT NULL DEFAULT 0,
    data TEXT NOT NULL DEFAULT '',
    dispersion TEXT NOT NULL DEFAULT '00:00:10',
    valid_from_ms INTEGER NOT NULL,
    valid_to_ms INTEGER NOT NULL,
    created_ms INTEGER NOT NULL,
    closed_ms INTEGER NOT NULL DEFAULT 0,
    created_user_id INTEGER NOT NULL,
    customer_id INTEGER NOT NULL
);
CREATE INDEX tasks_customer ON tasks(customer_id);
CREATE TABLE tickets (
    id INTEGER PRIMARY KEY,
    task_id INTEGER NOT NULL REFERENCES tasks(id),
    device_id INTEGER NOT NULL,
    status INTEGER NOT NULL DEFAULT 0,
    result TEXT NOT NULL DEFAULT '',
    started_ms INTEGER NOT NULL DEFAULT 0,
    executed_ms INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX tickets_task ON tickets(task_id, status);
CREATE INDEX tickets_device ON tickets(device_id);
CREATE INDEX tickets_status ON tickets(status);
)"),
        // Tokens are kept only as hashes: sessions stored in clear are dropped (their users log
        // in again). Sessions derived from another (user contexts) name it; the cleanup that
        // runs with every login finds expired rows through indexes.
        QStringLiteral(R"(
DROP TABLE sessions;
CREATE TABLE sessions (
    token_hash TEXT PRIMARY KEY,
    parent_hash TEXT NOT NULL DEFAULT '',
    user_id INTEGER NOT NULL,
    role INTEGER NOT NULL,
    created_ms INTEGER NOT NULL,
    last_used_ms INTEGER NOT NULL,
    valid_from_ms INTEGER NOT NULL DEFAULT 0,
    valid_to_ms INTEGER NOT NULL DEFAULT 0,
    time_limited INTEGER NOT NULL DEFAULT 0
) WITHOUT ROWID;
CREATE INDEX sessions_user ON sessions(user_id);
CREATE INDEX sessions_parent ON sessions(parent_hash);
CREATE INDEX sessions_last_used ON sessions(time_limited, last_used_ms);
CREATE INDEX sessions_created ON sessions(time_limited, created_ms);
CREATE INDEX sessions_valid_to ON sessions(time_limited, valid_to_ms);
)"),
        // The audit trail; rows are appended and removed past their retention, never changed.
        QStringLiteral(R"(
CREATE TABLE audit_records (
    id INTEGER PRIMARY KEY,
    at_ms INTEGER NOT NULL,
    actor_id INTEGER NOT NULL DEFAULT 0,
    actor_customer_id INTEGER NOT NULL DEFAULT 0,
    context_user_id INTEGER NOT NULL DEFAULT 0,
    customer_id INTEGER NOT NULL DEFAULT 0,
    method TEXT NOT NULL,
    action TEXT NOT NULL,
    entity_kind TEXT NOT NULL,
    entity_ids TEXT NOT NULL DEFAULT '',
    entity_name TEXT NOT NULL DEFAULT '',
    subject TEXT NOT NULL DEFAULT '',
    filter TEXT NOT NULL DEFAULT '',
    reached INTEGER NOT NULL DEFAULT -1,
    status INTEGER NOT NULL,
    client_address TEXT NOT NULL DEFAULT ''
);
CREATE INDEX audit_records_at ON audit_records(at_ms);
CREATE INDEX audit_records_customer ON audit_records(customer_id, at_ms);
)"),
    };
    return all;
}
} // namespace

SchemaMigrator::SchemaMigrator(Database &database)
    : m_database(database)
{ }

int SchemaMigrator::currentVersion()
{
    return steps().size();
}

void SchemaMigrator::migrate()
{
    m_database.run(QStringLiteral("PRAGMA journal_mode=WAL"));
    const int stored = storedVersion();
    if (stored > currentVersion())
        throw ServiceError(StatusCode::Error, "database was written by a newer service");
    for (int version = stored + 1; version <= currentVersion(); ++version)
        applyStep(version);
}

int SchemaMigrator::storedVersion()
{
    QSqlQuery query = m_database.prepare(QStringLiteral("PRAGMA user_version"));
    Database::exec(query);
    return query.next() ? query.value(0).toInt() : 0;
}

void SchemaMigrator::applyStep(int version)
{
    m_database.write([&] {
        const QStringList statements
            = steps().at(version - 1).split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (const QString &statement : statements) {
            if (!statement.trimmed().isEmpty())
                m_database.run(statement);
        }
        m_database.run(QStringLiteral("PRAGMA user_version=%1").arg(version));
    });
}

} // namespace service
