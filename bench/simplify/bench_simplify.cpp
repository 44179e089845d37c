// Simplifies a seeded noisy random walk of 1,000,000 points with each of our algorithms and with
// PlainLoopSimplifier (the same algorithms as plain scalar loops over a std::vector: see its
// header), in the same process, rounds alternating; both sides must keep identical points. Our
// DouglasPeucker (tolerance 1) is also compared with simplify-js (highQuality false: radial
// pre-pass, then Douglas-Peucker) in Node on the same file. The last line is the worst of the
// per-algorithm ratios against the plain loops.
#include "../common/BenchTiming.h"
#include "PlainLoopSimplifier.h"

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
constexpr int rounds = 15;
// Short runs are repeated within one timing, so that each lasts about this long.
constexpr double sampleMs = 10.0;

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

PlainPoints plainCopy(const QPolygonF &points)
{
    PlainPoints copy;
    copy.reserve(size_t(points.size()));
    for (const QPointF &point : points)
        copy.push_back({ point.x(), point.y() });
    return copy;
}

bool samePoints(const QPolygonF &ours, const PlainPoints &theirs)
{
    if (size_t(ours.size()) != theirs.size())
        return false;
    for (size_t i = 0; i < theirs.size(); ++i) {
        const QPointF &point = ours.at(int(i));
        if (point.x() != theirs[i].x || point.y() != theirs[i].y)
            return false;
    }
    return true;
}

struct Algorithm
{
    const char *name;
    std::function<QPolygonF()> ours;
    std::function<PlainPoints()> peer;
};

// Ours and the peer alternately, the side that runs first alternating, each sample repeating the
// run often enough to last about sampleMs. Returns false if the two keep different points.
bool compare(const Algorithm &algorithm, Timing &ours, Timing &theirs, int &repeats)
{
    const QPolygonF kept = algorithm.ours(); // also the warm-up, as is the next line
    if (!samePoints(kept, algorithm.peer()))
        return false;
    const Timing once = timed(algorithm.ours);
    repeats = std::max(1, std::min(100, int(std::ceil(sampleMs / std::max(once.wall, 0.01)))));
    const auto sample = [&](const auto &run) {
        return BenchTiming::of([&] {
            int size = 0;
            for (int i = 0; i < repeats; ++i)
                size = int(run().size());
            return size;
        });
    };
    std::vector<Timing> ourTimings, peerTimings;
    for (int round = 0; round < rounds; ++round) {
        if (round % 2 == 0)
            ourTimings.push_back(sample(algorithm.ours));
        peerTimings.push_back(sample(algorithm.peer));
        if (round % 2 == 1)
            ourTimings.push_back(sample(algorithm.ours));
    }
    ours = BenchTiming::median(ourTimings);
    theirs = BenchTiming::median(peerTimings);
    return true;
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
    const PlainPoints plain = plainCopy(points);
    std::printf("points: %d, tolerance %.1f, processor time per run, medians of %d alternating "
                "rounds\n",
        points.size(), tolerance, rounds);

    using P = PolylineSimplifier;
    using L = PlainLoopSimplifier;
    const Algorithm algorithms[] = {
        { "NthPoint (n 4)", [&] { return P::nthPoint(points, 4); },
            [&] {
                return L::nthPoint(plain, 4);
            } },
        { "RadialDistance", [&] { return P::radialDistance(points, tolerance); },
            [&] {
                return L::radialDistance(plain, tolerance);
            } },
        { "PerpendicularDistance (1 pass)",
            [&] { return P::perpendicularDistance(points, tolerance, 1); },
            [&] {
                return L::perpendicularDistance(plain, tolerance, 1);
            } },
        { "PerpendicularDistance (10 passes)",
            [&] { return P::perpendicularDistance(points, tolerance, 10); },
            [&] {
                return L::perpendicularDistance(plain, tolerance, 10);
            } },
        { "ReumannWitkam", [&] { return P::reumannWitkam(points, tolerance, false); },
            [&] {
                return L::reumannWitkam(plain, tolerance, false);
            } },
        { "ReumannWitkamMod", [&] { return P::reumannWitkam(points, tolerance, true); },
            [&] {
                return L::reumannWitkam(plain, tolerance, true);
            } },
        { "Opheim (max 5)", [&] { return P::opheim(points, tolerance, 5.0); },
            [&] {
                return L::opheim(plain, tolerance, 5.0);
            } },
        { "DouglasPeucker", [&] { return P::douglasPeucker(points, tolerance); },
            [&] {
                return L::douglasPeucker(plain, tolerance);
            } },
        { "DouglasPeuckerN (10000)", [&] { return P::douglasPeuckerN(points, 10000); },
            [&] {
                return L::douglasPeuckerN(plain, 10000);
            } },
    };
    std::printf("%-34s %10s %10s %8s %8s %7s\n", "algorithm", "ours ms", "peer ms", "points",
        "repeats", "ratio");
    double worst = 0;
    for (const Algorithm &algorithm : algorithms) {
        Timing ours, theirs;
        int repeats = 1;
        if (!compare(algorithm, ours, theirs, repeats)) {
            std::fprintf(stderr, "%s: the peer keeps other points\n", algorithm.name);
            return 1;
        }
        const double ratio = ours.cpu / theirs.cpu;
        worst = std::max(worst, ratio);
        std::printf("%-34s %10.3f %10.3f %8d %8d %7.3f\n", algorithm.name, ours.cpu / repeats,
            theirs.cpu / repeats, ours.points, repeats, ratio);
    }

    // DouglasPeucker against simplify-js, rounds alternating with Node's.
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
    const double difference = 100.0 * std::abs(ours.points - theirs.points) / theirs.points;
    std::printf("DouglasPeucker %.2f ms, simplify-js %.2f ms (%d points, %.3f %% apart): "
                "simplify-js ratio %.3f\n",
        ours.cpu, theirs.cpu, theirs.points, difference, ours.cpu / theirs.cpu);
    std::printf("ratio: %.3f\n", worst);
    return 0;
}
