#pragma once

#include "SqlWhere.h"

#include <QJsonObject>

namespace service {

class AccessPolicy;
struct Caller;

// The criteria that task and ticket lists share: the location reach (through the task's
// location, alias t), "ids", "statuses" and the closing time range.
class HistoryFilter
{
public:
    struct Columns
    {
        QString id;
        QString status;
        QString closedAt;
    };

    static SqlWhere where(const AccessPolicy &policy, const Caller &caller,
        const QJsonObject &filter, const Columns &columns);
};

} // namespace service
