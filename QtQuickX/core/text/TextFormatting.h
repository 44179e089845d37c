#pragma once

#include <QString>

// Texts the console builds from numbers: numbered copies of names and elapsed times.
namespace TextFormatting {

// "Item" -> "Item0", "Item9" -> "Item10", "Item007" -> "Item008".
QString incrementNumberedName(const QString &name);
// [-][d.][h:]mm:ss, e.g. 61000 -> "1:01", 90061000 -> "1.01:01:01"; milliseconds are dropped.
QString formatTimeInterval(qint64 milliseconds);
// length characters drawn uniformly from 0-9 and a-z by the platform's random device.
QString randomString(int length);

} // namespace TextFormatting
