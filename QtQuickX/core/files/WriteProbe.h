#pragma once

#include <QString>

// Tells whether files can be created in a folder by creating and removing a probe file.
class WriteProbe
{
public:
    // The probe is named by the current time stamp; a file that already has that name is never
    // opened, so probing cannot truncate anything. The name used is stored in probeName.
    static bool canCreateFileIn(const QString &folder, QString *probeName = nullptr);
    // Creates an empty file at path only when nothing is there yet.
    static bool createNewEmptyFile(const QString &path);
};
