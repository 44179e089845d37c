#pragma once

#include <QDate>
#include <QString>

// Version and compilation date of this build.
namespace BuildInfo {

constexpr int versionMajor = 1;
constexpr int versionMinor = 4;
constexpr int versionPatch = 1;

// Parses the compiler's date text ("Dec 29 2021", "Dec  9 2021").
QDate parseCompilerDate(const QString &compilerDate);
// major.minor.patch.build, build being the date as "yyMMdd" without its first character.
QString versionFor(const QDate &date);

const QString &buildVersion();
const QString &buildVersionShort();
const QDate &buildDate();

} // namespace BuildInfo
