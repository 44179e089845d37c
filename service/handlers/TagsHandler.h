#pragma once

#include "LocationReach.h"
#include "ServiceContext.h"
#include "ServiceDispatcher.h"

namespace service {

// "listTags", "addTag", "updateTag", "deleteTag". A tag belongs to the location of the user who
// made it; it is visible below that location and managed inside it.
class TagsHandler
{
public:
    explicit TagsHandler(ServiceContext context);
    void registerMethods(ServiceDispatcher &dispatcher);

    // The condition selecting the tags a caller sees (column customer_id of tags).
    static QString visibleCondition(ServiceContext &context, const Caller &caller);
    // Throws InvalidArgument unless every tag exists and is visible to the caller.
    static void requireVisible(
        ServiceContext &context, const Caller &caller, const QVector<qint64> &tagIds);

private:
    QJsonValue listTags(const Call &call);
    QJsonValue addTag(const Call &call);
    QJsonValue updateTag(const Call &call);
    QJsonValue deleteTag(const Call &call);

    QJsonObject load(qint64 id);
    // The tag's location, when the caller may change the tag.
    void requireManageable(const Caller &caller, qint64 id);
    QVector<qint64> subtree(qint64 id);
    // The tag and its descendants with the location each belongs to.
    QVector<QPair<qint64, qint64>> subtreeOwners(qint64 id);
    // The tag and its descendants, when every one of them lies in the caller's reach.
    QVector<qint64> subtreeInReach(const Caller &caller, qint64 id);
    static QString validName(const QJsonObject &tag);

    ServiceContext m_context;
};

} // namespace service
