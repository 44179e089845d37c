#pragma once

namespace service {

class Database;

// Creates the schema in an empty file and brings an older file up to the current version,
// one numbered step at a time (the step reached is kept in SQLite's user_version).
class SchemaMigrator
{
public:
    explicit SchemaMigrator(Database &database);

    void migrate();
    static int currentVersion();

private:
    int storedVersion();
    void applyStep(int version);

    Database &m_database;
};

} // namespace service
