#pragma once

#include "AuditRecord.h"

#include <QJsonObject>
#include <QString>

namespace service {

// Which methods leave an audit record, and what a call of one says about its entities. Reads
// only ids, names and filters from the body, so that passwords and messages never reach it.
class AuditCatalogue
{
public:
    static bool isAudited(const QString &method);
    // Fills method, action, kind, ids, name, subject and filter from the request.
    static void describe(const QString &method, const QJsonObject &body, AuditRecord &record);

    static constexpr int maxTextLength = 200;
    static constexpr int maxFilterLength = 2000;
};

} // namespace service
