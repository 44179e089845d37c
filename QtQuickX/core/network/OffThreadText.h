#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// Makes text of UTF-8 bytes on a pool thread: tens of megabytes would hold up the window for
// a tenth of a second and more.
namespace OffThreadText {

// Calls `done` with the text in the thread that asked, once it is made; `done` holds nothing
// the pool thread touches, so it may check by itself whether it is still wanted.
void decode(const QByteArray &utf8, std::function<void(const QString &)> done);

} // namespace OffThreadText
