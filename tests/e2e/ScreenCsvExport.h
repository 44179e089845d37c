#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QObject;

// A screen's CSV export run as its file dialog would start it, and the file read back.
class ScreenCsvExport
{
public:
    // Exports into fileName in the documents folder through the screen's exportCsvTo() and
    // waits until its csvExport stops; the file's records, empty when none was written.
    static QList<QStringList> run(QObject *screen, const QString &fileName, int timeoutMs);
    // RFC 4180 records: quoted fields may hold commas, doubled quotes and line breaks.
    static QList<QStringList> parse(const QString &text);
};
