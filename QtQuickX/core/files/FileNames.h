#pragma once

#include <QString>

// Naming rules shared by the file-name generators and the write probes.
class FileNames
{
public:
    // Replaces every character that a file name may not hold on any platform by "_".
    static QString sanitized(const QString &name);
    // The local time as "yyyy-MM-dd_hhmmss".
    static QString timeStamp();
};
