#pragma once

#include <QString>
#include <QVector>

namespace service {

// One entry of the audit trail: who did what to which entities, on whose behalf, and how it
// ended. Never holds a password, a token or a message body.
struct AuditRecord
{
    qint64 atMs = 0;
    // The signed-in user; 0 when nobody could be named (a sign-in with an unknown login).
    qint64 actorId = 0;
    qint64 actorCustomerId = 0;
    // The user whose context the actor worked in, when it is not the actor himself.
    qint64 contextUserId = 0;
    // The location the record belongs to, for who may read it.
    qint64 customerId = 0;
    QString method;
    QString action;
    QString entityKind;
    QVector<qint64> entityIds;
    QString entityName;
    // The login name of a sign-in.
    QString subject;
    // The device filter of a fleet-wide write, and how many devices it reached (-1: unknown).
    QString filter;
    qint64 reached = -1;
    int status = 0;
    QString clientAddress;
};

} // namespace service
