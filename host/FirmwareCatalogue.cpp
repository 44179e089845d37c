#include "FirmwareCatalogue.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>
#include <QVariantMap>
#include <QVector>
#include <QXmlStreamReader>

#include <algorithm>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("FirmwareCatalogue", text);
}

bool isWholeNumber(const QStringRef &text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

QStringRef withoutLeadingZeros(const QStringRef &digits)
{
    int first = 0;
    while (first < digits.size() - 1 && digits.at(first) == QLatin1Char('0'))
        ++first;
    return digits.mid(first);
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
                result.rows.append(
                    QVariantMap { { QStringLiteral("version"), CatalogueRows::bounded(version) },
                        { QStringLiteral("code"), CatalogueRows::bounded(code) } });
                if (result.rows.size() == CatalogueRows::MaxRows) {
                    // The rest is only counted, by its row tags, rather than parsed.
                    result.droppedRows = xml.midRef(int(reader.characterOffset()))
                                             .count(QStringLiteral("<software>"));
                    summarise(result);
                    return result;
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
    summarise(result);
    return result;
}

int FirmwareCatalogue::compareVersions(const QString &a, const QString &b)
{
    QStringRef left = a.midRef(0).trimmed();
    QStringRef right = b.midRef(0).trimmed();
    if (isWholeNumber(left) && isWholeNumber(right)) {
        // Digit by digit, so that numbers of any length order.
        left = withoutLeadingZeros(left);
        right = withoutLeadingZeros(right);
        if (left.size() != right.size())
            return left.size() < right.size() ? -1 : 1;
    }
    return left.compare(right);
}

void FirmwareCatalogue::summarise(CatalogueRows &result)
{
    QVariantList versions;
    QSet<QString> seenVersions;
    QVector<QPair<QString, QString>> choices;
    QSet<QString> seenChoices;
    QHash<QString, QString> greatest;
    for (const QVariant &value : qAsConst(result.rows)) {
        const QVariantMap row = value.toMap();
        const QString version = row.value(QStringLiteral("version")).toString();
        const QString code = row.value(QStringLiteral("code")).toString();
        if (!seenVersions.contains(version)) {
            seenVersions.insert(version);
            versions.append(version);
        }
        const QString key = code + QLatin1Char('\n') + version;
        if (!seenChoices.contains(key)) {
            seenChoices.insert(key);
            choices.append({ code, version });
        }
        const auto known = greatest.constFind(code);
        if (known == greatest.cend() || compareVersions(*known, version) < 0)
            greatest.insert(code, version);
    }
    std::stable_sort(choices.begin(), choices.end(), [](const auto &a, const auto &b) {
        const int byCode = a.first.compare(b.first);
        return byCode != 0 ? byCode < 0 : compareVersions(a.second, b.second) > 0;
    });
    QVariantList sortedChoices;
    for (const auto &choice : qAsConst(choices)) {
        sortedChoices.append(QVariantMap { { QStringLiteral("code"), choice.first },
            { QStringLiteral("version"), choice.second } });
    }
    QVariantMap newest;
    for (auto it = greatest.cbegin(); it != greatest.cend(); ++it)
        newest.insert(it.key(), it.value());
    result.summary = QVariantMap { { QStringLiteral("versions"), versions },
        { QStringLiteral("choices"), sortedChoices }, { QStringLiteral("greatest"), newest } };
}
