#include "FirmwareCatalogue.h"

#include <QCoreApplication>
#include <QVariantMap>
#include <QXmlStreamReader>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("FirmwareCatalogue", text);
}

} // namespace

CatalogueRows FirmwareCatalogue::parse(const QString &xml)
{
    CatalogueRows result;
    QXmlStreamReader reader(xml);
    int depth = 0;
    bool inRow = false;
    QString *field = nullptr;
    QString version;
    QString code;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::DTD:
            // Entity declarations could expand a small file into gigabytes.
            return CatalogueRows::failure(tr("it declares entities"));
        case QXmlStreamReader::StartElement:
            if (++depth > MaxDepth)
                return CatalogueRows::failure(tr("it is nested too deeply"));
            if (depth == 1 && reader.name() != QLatin1String("softwares"))
                return CatalogueRows::failure(tr("it is not a firmware catalogue"));
            if (depth == 2 && reader.name() == QLatin1String("software")) {
                inRow = true;
                version.clear();
                code.clear();
            } else if (depth == 3 && inRow && !field) {
                if (reader.name() == QLatin1String("ver") && version.isEmpty())
                    field = &version;
                else if (reader.name() == QLatin1String("code") && code.isEmpty())
                    field = &code;
            }
            break;
        case QXmlStreamReader::Characters:
            // One more character than the bound, so that the cut shows.
            if (field && field->size() <= CatalogueRows::MaxTextLength)
                field->append(reader.text().left(CatalogueRows::MaxTextLength + 1 - field->size()));
            break;
        case QXmlStreamReader::EndElement:
            if (depth == 3)
                field = nullptr;
            if (depth == 2 && inRow) {
                inRow = false;
                if (result.rows.size() < CatalogueRows::MaxRows) {
                    result.rows.append(QVariantMap {
                        { QStringLiteral("version"), CatalogueRows::bounded(version) },
                        { QStringLiteral("code"), CatalogueRows::bounded(code) } });
                } else {
                    ++result.droppedRows;
                }
            }
            --depth;
            break;
        default:
            break;
        }
    }
    if (reader.hasError())
        return CatalogueRows::failure(reader.errorString());
    return result;
}
