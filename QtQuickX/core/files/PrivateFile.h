#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// Files that hold credentials or a record of the operator's work: readable by the owner only,
// from their first byte.
class PrivateFile
{
public:
    // Replaces the file as a whole; a failed write leaves the previous file untouched.
    static bool write(const QString &path, const QByteArray &bytes);
    // Opens the file for writing, created or emptied, with owner-only permissions.
    static bool open(QFile &file);
};
