#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

namespace service {

// The firmware catalogue ("upgrade.xml" of the OTA server) and the software store catalogue
// ("info.json"), served next to the service so that one process covers all three endpoints.
class Catalogues
{
public:
    struct FirmwareLine
    {
        QString code; // e.g. "G3"
        QStringList versions; // four digits each, oldest first; the last is the latest
        // Older releases the OTA server still lists but no device runs; their numbers may have
        // fewer digits, so an order by text would take them for the newest.
        QStringList retiredVersions;
        QString generation; // the model generation this firmware runs on
    };

    Catalogues();

    const QVector<FirmwareLine> &firmwareLines() const { return m_lines; }
    QByteArray upgradeXml() const;
    QByteArray storeInfoJson() const;

private:
    QVector<FirmwareLine> m_lines;
};

} // namespace service
