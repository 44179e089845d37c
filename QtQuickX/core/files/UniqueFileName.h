#pragma once

#include <QString>

// Finds a name for a new file in a folder: base and suffix, then with a time stamp,
// then numbered "(1)" to "(99)".
class UniqueFileName
{
public:
    // prefix and suffix are sanitised; a suffix without a leading dot gets one.
    UniqueFileName(
        const QString &prefix, const QString &suffix, bool forceTimeStamp, bool disableTimeStamp);

    // The name without looking at any folder: base and suffix.
    QString nameOnly() const { return m_base + m_suffix; }
    // The first free candidate in folder, created empty when reserve is set;
    // empty when every candidate is taken.
    QString findIn(const QString &folder, bool reserve) const;

    static constexpr int maxNumber = 99;

private:
    QStringList candidates() const;

    QString m_base;
    QString m_suffix;
    bool m_timeStampRetry = false;
};
