// Simplifies a seeded noisy random walk of 1,000,000 points with our DouglasPeucker (tolerance 1)
// and with simplify-js (highQuality false: radial pre-pass, then Douglas-Peucker) in Node, both
// reading the same file in the same run. Also times our other algorithms on the same points.
#include "../common/BenchTiming.h"

#include <PolylineSimplifier.h>

#include <QCoreApplication>
#include <QDataStream>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <vector>

namespace {
constexpr int pointCount = 1000000;
constexpr double tolerance = 1.0;
constexpr int runs = 7;
constexpr int rounds = 15;

// xorshift64*: the same sequence on every machine and compiler.
class Random
{
public:
    explicit Random(quint64 seed)
        : m_state(seed)
    { }
    double next() // in [0, 1)
    {
        m_state ^= m_state >> 12;
        m_state ^= m_state << 25;
        m_state ^= m_state >> 27;
        return double((m_state * 0x2545F4914F6CDD1DULL) >> 11) / double(1ULL << 53);
    }

private:
    quint64 m_state;
};

bool writeWalk(const QString &fileName)
{
    Random random(20261207);
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    out.setFloatingPointPrecision(QDataStream::DoublePrecision);
    double x = 0, y = 0, heading = 0;
    for (int i = 0; i < pointCount; ++i) {
        out << x << y;
        // A slowly turning walk with jitter across the direction of travel.
        heading += (random.next() - 0.5) * 0.3;
        const double step = 0.5 + random.next();
        const double jitter = (random.next() - 0.5) * 1.5;
        x += step * std::cos(heading) - jitter * std::sin(heading);
        y += step * std::sin(heading) + jitter * std::cos(heading);
    }
    return out.status() == QDataStream::Ok;
}

QPolygonF readWalk(const QString &fileName)
{
    QFile file(fileName);
    QPolygonF points;
    if (!file.open(QIODevice::ReadOnly))
        return points;
    QDataStream in(&file);
    in.setByteOrder(QDataStream::LittleEndian);
    in.setFloatingPointPrecision(QDataStream::DoublePrecision);
    points.reserve(pointCount);
    double x, y;
    while (!in.atEnd()) {
        in >> x >> y;
        points.append(QPointF(x, y));
    }
    return points;
}

using Timing = BenchTiming;

Timing timed(const std::function<QPolygonF()> &run)
{
    return BenchTiming::of([&] { return run().size(); });
}

Timing medianOf(const std::function<QPolygonF()> &run)
{
    run(); // warm-up, as the peer gets
    std::vector<Timing> timings;
    for (int i = 0; i < runs; ++i)
        timings.push_back(timed(run));
    return BenchTiming::median(timings);
}

// simplify-js in Node, kept running and asked for one timed run per round.
class Peer
{
public:
    bool start(const QString &fileName)
    {
        m_node.start(QStringLiteral("node"),
            { QStringLiteral(PEER_SCRIPT), fileName, QString::number(tolerance),
                QStringLiteral(TOOLS_DIR) });
        return m_node.waitForStarted() && readLine() == "ready";
    }
    bool run(Timing &timing)
    {
        m_node.write("run\n");
        const QList<QByteArray> fields = readLine().split(' ');
        if (fields.size() != 3)
            return false;
        timing = { fields.at(0).toDouble(), fields.at(1).toDouble(), fields.at(2).toInt() };
        return timing.points > 0;
    }
    ~Peer()
    {
        m_node.closeWriteChannel();
        m_node.waitForFinished(10000);
    }

private:
    QByteArray readLine()
    {
        while (!m_node.canReadLine()) {
            if (!m_node.waitForReadyRead(600000)) {
                std::fprintf(
                    stderr, "simplify-js failed: %s\n", m_node.readAllStandardError().constData());
                return QByteArray();
            }
        }
        return m_node.readLine().trimmed();
    }

    QProcess m_node;
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString fileName = dir.filePath(QStringLiteral("walk.f64"));
    if (!dir.isValid() || !writeWalk(fileName)) {
        std::fprintf(stderr, "cannot write the points\n");
        return 1;
    }
    const QPolygonF points = readWalk(fileName);
    std::printf("points: %d, tolerance %.1f, medians of %d runs (%d alternating rounds against "
                "the peer)\n",
        points.size(), tolerance, runs, rounds);

    using P = PolylineSimplifier;
    const struct
    {
        const char *name;
        std::function<QPolygonF()> run;
    } others[] = {
        { "NthPoint (n 4)",
            [&] {
                return P::nthPoint(points, 4);
            } },
        { "RadialDistance",
            [&] {
                return P::radialDistance(points, tolerance);
            } },
        { "PerpendicularDistance (1 pass)",
            [&] {
                return P::perpendicularDistance(points, tolerance, 1);
            } },
        { "PerpendicularDistance (10 passes)",
            [&] {
                return P::perpendicularDistance(points, tolerance, 10);
            } },
        { "ReumannWitkam",
            [&] {
                return P::reumannWitkam(points, tolerance, false);
            } },
        { "ReumannWitkamMod",
            [&] {
                return P::reumannWitkam(points, tolerance, true);
            } },
        { "Opheim (max 5)",
            [&] {
                return P::opheim(points, tolerance, 5.0);
            } },
        { "DouglasPeuckerN (10000)",
            [&] {
                return P::douglasPeuckerN(points, 10000);
            } },
    };
    const auto print = [](const char *who, const char *name, const Timing &timing) {
        std::printf("%s %-36s %9.2f ms cpu %9.2f ms wall %8d points\n", who, name, timing.cpu,
            timing.wall, timing.points);
    };
    for (const auto &other : others)
        print("ours", other.name, medianOf(other.run));

    // Our runs and the peer's alternate, round by round.
    Peer peer;
    if (!peer.start(fileName))
        return 1;
    const auto ourRun = [&] {
        return P::douglasPeucker(points, tolerance);
    };
    ourRun();
    std::vector<Timing> ourTimings, peerTimings;
    for (int round = 0; round < rounds; ++round) {
        ourTimings.push_back(timed(ourRun));
        Timing theirs;
        if (!peer.run(theirs))
            return 1;
        peerTimings.push_back(theirs);
    }
    const Timing ours = BenchTiming::median(ourTimings);
    const Timing theirs = BenchTiming::median(peerTimings);
    print("ours", "DouglasPeucker", ours);
    print("peer", "simplify-js (highQuality false)", theirs);
    const double difference = 100.0 * std::abs(ours.points - theirs.points) / theirs.points;
    std::printf("point count difference: %.3f %%\n", difference);
    std::printf("wall-clock ratio: %.3f\n", ours.wall / theirs.wall);
    std::printf("ratio: %.3f\n", ours.cpu / theirs.cpu);
    return 0;
}
