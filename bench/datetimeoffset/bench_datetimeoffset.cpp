// One million wire dates through DateTimeOffset.of (as JSON date objects, the way a parsed
// answer hands them over) against QDateTime::fromString of the same instants as ISO 8601 text.
#include "DateTimeOffset.h"
#include "QmlDateTimeOffsetFactory.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

const int distinctDates = 50000;
const int passes = 20; // distinctDates * passes = one million parses per run
const int runs = 7;

struct Input
{
    QVariantList maps; // as QJsonDocument::toVariant gives them
    QJsonArray objects; // as QJsonDocument gives them
    QVector<QString> isoTexts;
};

Input makeInput()
{
    // Deterministic instants from 1990 to 2040 with offsets from -12:00 to +14:00 in quarters.
    quint64 state = 0x9E3779B97F4A7C15ULL;
    const auto next = [&state] {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return state;
    };
    QJsonArray array;
    Input input;
    for (int i = 0; i < distinctDates; ++i) {
        const qint64 milliseconds = 631152000000LL + qint64(next() % 1577836800000ULL);
        const int offsetMinutes = -720 + int(next() % 105) * 15;
        QJsonObject object;
        object.insert("DateTime", QStringLiteral("/Date(%1)/").arg(milliseconds));
        object.insert("OffsetMinutes", offsetMinutes);
        array.append(object);
        input.isoTexts.append(
            QDateTime::fromMSecsSinceEpoch(milliseconds, Qt::OffsetFromUTC, offsetMinutes * 60)
                .toString(Qt::ISODateWithMs));
    }
    // Through JSON text, as an answer arrives.
    const QJsonDocument document = QJsonDocument::fromJson(QJsonDocument(array).toJson());
    input.objects = document.array();
    input.maps = document.toVariant().toList();
    return input;
}

template<typename Parse>
double timeRun(Parse parse, qint64 *checksum)
{
    QElapsedTimer timer;
    timer.start();
    qint64 sum = 0;
    for (int pass = 0; pass < passes; ++pass)
        sum += parse();
    const double milliseconds = timer.nsecsElapsed() / 1e6;
    *checksum = sum;
    return milliseconds;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const Input input = makeInput();
    const QmlDateTimeOffsetFactory factory;

    const auto ours = [&] {
        qint64 sum = 0;
        for (const QVariant &map : input.maps)
            sum += factory.of(map).value().toMSecsSinceEpoch();
        return sum;
    };
    const auto oursFromJsonObjects = [&] {
        qint64 sum = 0;
        for (const QJsonValue &object : input.objects)
            sum += DateTimeOffset::fromJsonObject(object.toObject()).value().toMSecsSinceEpoch();
        return sum;
    };
    const auto peer = [&] {
        qint64 sum = 0;
        for (const QString &text : input.isoTexts)
            sum += QDateTime::fromString(text, Qt::ISODate).toMSecsSinceEpoch();
        return sum;
    };

    std::vector<double> oursTimes, jsonObjectTimes, peerTimes;
    qint64 oursSum = 0, jsonObjectSum = 0, peerSum = 0;
    for (int run = 0; run < runs; ++run) {
        oursTimes.push_back(timeRun(ours, &oursSum));
        peerTimes.push_back(timeRun(peer, &peerSum));
        jsonObjectTimes.push_back(timeRun(oursFromJsonObjects, &jsonObjectSum));
    }
    if (oursSum != peerSum || jsonObjectSum != peerSum) {
        std::fprintf(stderr, "checksums differ: %lld %lld %lld\n", (long long)oursSum,
            (long long)jsonObjectSum, (long long)peerSum);
        return 1;
    }

    const double oursMedian = median(oursTimes);
    const double peerMedian = median(peerTimes);
    std::printf("dates per run: %d\n", distinctDates * passes);
    std::printf("DateTimeOffset.of(QVariantMap) median: %.1f ms\n", oursMedian);
    std::printf(
        "DateTimeOffset::fromJsonObject(QJsonObject) median: %.1f ms\n", median(jsonObjectTimes));
    std::printf("QDateTime::fromString(ISODate) median: %.1f ms\n", peerMedian);
    std::printf("ratio: %.3f\n", oursMedian / peerMedian);
    return 0;
}
