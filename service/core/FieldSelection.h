#pragma once

#include <QJsonObject>
#include <QSet>
#include <QString>

namespace service {

// The "what" member of a list call: comma-separated wire keys (blanks allowed) or "*".
// A missing "what" selects every key.
class FieldSelection
{
public:
    static FieldSelection fromRequest(const QJsonObject &body);
    static FieldSelection all() { return FieldSelection(); }

    bool wants(const QString &key) const { return m_all || m_keys.contains(key); }
    QJsonObject project(const QJsonObject &item) const;

private:
    bool m_all = true;
    QSet<QString> m_keys;
};

} // namespace service
