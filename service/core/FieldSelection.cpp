#include "FieldSelection.h"

#include "JsonArgs.h"

namespace service {

FieldSelection FieldSelection::fromRequest(const QJsonObject &body)
{
    FieldSelection selection;
    const auto what = JsonArgs::optionalString(body, "what");
    if (!what || what->trimmed() == QLatin1String("*") || what->trimmed().isEmpty())
        return selection;
    selection.m_all = false;
    const auto parts = what->split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (const QString &part : parts)
        selection.m_keys.insert(part.trimmed());
    return selection;
}

QJsonObject FieldSelection::project(const QJsonObject &item) const
{
    if (m_all)
        return item;
    QJsonObject projected;
    for (auto it = item.begin(); it != item.end(); ++it) {
        if (m_keys.contains(it.key()))
            projected.insert(it.key(), it.value());
    }
    return projected;
}

} // namespace service
