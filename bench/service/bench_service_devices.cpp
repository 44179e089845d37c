// Paged "listDevices" with a tag filter from 8 connections against the real service holding
// 100,000 devices, compared with the same page statements run directly in SQLite under the
// same concurrency in the same run. Prints requests per second, p50, p99 and "ratio: X".
#include "Database.h"
#include "DeviceFilter.h"
#include "DeviceRepository.h"
#include "FieldSelection.h"
#include "LocationReach.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <httplib.h>
#include <mutex>
#include <thread>
#include <vector>

namespace {
constexpr int connections = 8;
const int tagChoices[] = { 310, 311, 320, 21, 401, 331 };

struct Request
{
    int tag;
    int skip;
};

Request requestNumber(int n)
{
    return { tagChoices[n % 6], (n * 100) % 2000 };
}

struct Figures
{
    double perSecond = 0;
    double p50Ms = 0;
    double p99Ms = 0;
    int failures = 0;
};

Figures summarise(std::vector<double> latencies, double seconds, int failures)
{
    Figures figures;
    figures.failures = failures;
    if (latencies.empty())
        return figures;
    std::sort(latencies.begin(), latencies.end());
    figures.perSecond = latencies.size() / seconds;
    figures.p50Ms = latencies[latencies.size() / 2];
    figures.p99Ms = latencies[std::min(latencies.size() - 1, latencies.size() * 99 / 100)];
    return figures;
}

// Runs timedCall(connection, request number) from every connection for the given time.
template<typename Setup, typename Call>
Figures runLoad(double seconds, Setup setup, Call timedCall)
{
    std::vector<double> latencies;
    std::mutex mutex;
    std::atomic<int> failures { 0 };
    std::atomic<int> counter { 0 };
    QElapsedTimer wall;
    wall.start();
    std::vector<std::thread> threads;
    for (int c = 0; c < connections; ++c) {
        threads.emplace_back([&, c] {
            auto state = setup(c);
            std::vector<double> own;
            QElapsedTimer timer;
            while (wall.elapsed() < seconds * 1000) {
                const int n = counter++;
                timer.start();
                const bool ok = timedCall(state, n);
                own.push_back(timer.nsecsElapsed() / 1e6);
                if (!ok)
                    ++failures;
            }
            std::lock_guard<std::mutex> lock(mutex);
            latencies.insert(latencies.end(), own.begin(), own.end());
        });
    }
    for (auto &thread : threads)
        thread.join();
    return summarise(latencies, wall.elapsed() / 1000.0, failures);
}

std::string pageBody(const QString &token, const Request &request)
{
    const QJsonObject body {
        { "sessionToken", token },
        { "filter",
            QJsonObject { { "includeServants", true }, { "unregistered", false },
                { "archivedCustomer", false }, { "isOnline", QJsonValue::Null },
                { "tagsIds", QJsonArray { request.tag } }, { "firmwaresIds", QJsonValue::Null },
                { "modelsIds", QJsonValue::Null }, { "anyOfTagsIds", QJsonValue::Null },
                { "ids", QJsonValue::Null } } },
        { "paging",
            QJsonObject { { "skip", request.skip }, { "take", 100 }, { "calcTotal", true } } },
        { "what", "*" },
    };
    return QJsonDocument(body).toJson(QJsonDocument::Compact).toStdString();
}

// The statements the service runs for one page: rows, total and the rows' tags.
bool directPage(service::Database &database, const Request &request)
{
    const QJsonObject filter { { "tagsIds", QJsonArray { request.tag } } };
    const service::DeviceSelection selection
        = service::DeviceFilter::fromJson(filter).selection(service::LocationReach::everything());
    service::DeviceRepository devices(database);
    const QJsonArray page
        = devices.page(selection, request.skip, 100, service::FieldSelection::all());
    const qint64 total = devices.count(selection);
    return page.size() == 100 && total > 0;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
} // namespace

// Alternates load rounds against the service and against SQLite directly.
int measure(
    int port, const QString &token, const QString &dbPath, double seconds, QProcess &server);

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const double seconds = args.size() > 1 ? args.at(1).toDouble() : 20.0;
    const int devices = args.size() > 2 ? args.at(2).toInt() : 100000;

    QTemporaryDir dir;
    const QString dbPath = dir.filePath("bench.sqlite");
    QProcess server;
    server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer seeding;
    seeding.start();
    server.start(QStringLiteral(KESTRUM_SERVICE_BINARY),
        { "--db", dbPath, "--listen", "127.0.0.1:0", "--demo", "--demo-devices",
            QString::number(devices), "--threads", QString::number(connections) });
    int port = 0;
    static const QRegularExpression listening("^listening on 127\\.0\\.0\\.1:(\\d+)$");
    while (port == 0 && server.waitForReadyRead(600000)) {
        while (server.canReadLine()) {
            const auto match = listening.match(QString::fromUtf8(server.readLine()).trimmed());
            if (match.hasMatch())
                port = match.captured(1).toInt();
        }
    }
    if (port == 0) {
        std::fprintf(stderr, "the service did not start\n");
        return 1;
    }
    std::printf("seeded %d devices in %.1f s\n", devices, seeding.elapsed() / 1000.0);

    httplib::Client login("127.0.0.1", port);
    const auto answer = login.Post("/QuillonService.svc/login",
        R"({"method":"login-password","data":{"login":"god@example.com","password":"demo-god-2026"}})",
        "application/json");
    const QString token = answer ? QJsonDocument::fromJson(QByteArray::fromStdString(answer->body))
                                       .object()["result"]
                                       .toObject()["t"]
                                       .toString()
                                 : QString();
    if (token.isEmpty()) {
        std::fprintf(stderr, "login failed\n");
        return 1;
    }

    try {
        return measure(port, token, dbPath, seconds, server);
    } catch (const std::exception &error) {
        std::fprintf(stderr, "benchmark failed: %s\n", error.what());
        return 1;
    }
}

int measure(int port, const QString &token, const QString &dbPath, double seconds, QProcess &server)
{
    constexpr int rounds = 3;
    service::Database direct(dbPath);
    std::vector<double> ratios, rates, p50s, p99s, peerP50s;
    int failures = 0;
    for (int round = 0; round < rounds; ++round) {
        const Figures http = runLoad(
            seconds / rounds,
            [port](int) {
                auto client = std::make_unique<httplib::Client>("127.0.0.1", port);
                client->set_keep_alive(true);
                return client;
            },
            [&token](std::unique_ptr<httplib::Client> &client, int n) {
                const auto reply = client->Post("/QuillonService.svc/listDevices",
                    pageBody(token, requestNumber(n)), "application/json");
                return reply && reply->status == 200
                    && reply->body.find("\"status\":0") != std::string::npos;
            });
        const Figures peer = runLoad(
            seconds / rounds, [](int) { return 0; },
            [&direct](int, int n) { return directPage(direct, requestNumber(n)); });
        failures += http.failures + peer.failures;
        std::printf("round %d: service %.0f req/s p50 %.2f ms p99 %.2f ms | direct SQLite %.0f "
                    "pages/s p50 %.2f ms\n",
            round + 1, http.perSecond, http.p50Ms, http.p99Ms, peer.perSecond, peer.p50Ms);
        std::fflush(stdout);
        ratios.push_back(http.p50Ms / peer.p50Ms);
        rates.push_back(http.perSecond);
        p50s.push_back(http.p50Ms);
        p99s.push_back(http.p99Ms);
        peerP50s.push_back(peer.p50Ms);
    }
    server.terminate();
    server.waitForFinished(10000);

    std::printf("requests/s: %.0f\n", median(rates));
    std::printf("p50: %.2f ms\n", median(p50s));
    std::printf("p99: %.2f ms\n", median(p99s));
    std::printf("direct SQLite p50: %.2f ms\n", median(peerP50s));
    std::printf("failures: %d\n", failures);
    std::printf("ratio: %.2f\n", median(ratios));
    return failures == 0 ? 0 : 1;
}
