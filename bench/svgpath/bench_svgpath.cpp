// Parses 10 MB of generated SVG path data (every command, relative and absolute, with arcs) as
// one path with our parser, and as an SVG document holding the same bytes loaded by QSvgRenderer.
// QtSvg drops whatever follows the 32,767th element of a path, so its document splits the data
// into several path elements before M commands; the run fails if QtSvg still loses geometry.
#include "../common/BenchTiming.h"

#include <SvgPathParser.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPainterPath>
#include <QSvgRenderer>

#include <algorithm>
#if defined(__GLIBC__)
#include <malloc.h>
#endif
#include <cmath>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

namespace {
constexpr int targetBytes = 10 * 1024 * 1024;
constexpr int elementBudget = 20000; // per QtSvg path element, well below its limit
constexpr int rounds = 15;

class Random
{
public:
    explicit Random(quint64 seed)
        : m_state(seed)
    { }
    quint64 next()
    {
        m_state ^= m_state >> 12;
        m_state ^= m_state << 25;
        m_state ^= m_state >> 27;
        return m_state * 0x2545F4914F6CDD1DULL;
    }
    int below(int n) { return int(next() % quint64(n)); }

private:
    quint64 m_state;
};

// Subpaths of mixed commands, each starting with an absolute M.
QByteArray generatePathData()
{
    Random random(4242);
    QByteArray data;
    data.reserve(targetBytes + 4096);
    char buffer[64];
    const auto number = [&](double scale) {
        const double value = (random.below(200001) - 100000) / 100000.0 * scale;
        const int decimals = random.below(4);
        std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
        data += buffer;
    };
    const auto separator = [&] {
        data += random.below(3) == 0 ? ',' : ' ';
    };
    const auto numbers = [&](int count, double scale) {
        for (int i = 0; i < count; ++i) {
            if (i > 0)
                separator();
            number(scale);
        }
    };
    static const char commands[] = "LlHhVvCcSsQqTtAaLlCcAa";
    while (data.size() < targetBytes) {
        data += 'M';
        numbers(2, 500);
        const int length = 10 + random.below(60);
        for (int i = 0; i < length; ++i) {
            data += ' ';
            const char command = commands[random.below(sizeof commands - 1)];
            data += command;
            switch (command) {
            case 'H':
            case 'h':
            case 'V':
            case 'v':
                numbers(1, 100);
                break;
            case 'L':
            case 'l':
            case 'T':
            case 't':
                numbers(2, 100);
                break;
            case 'S':
            case 's':
            case 'Q':
            case 'q':
                numbers(4, 100);
                break;
            case 'C':
            case 'c':
                numbers(6, 100);
                break;
            default: // arcs: radii, rotation, flags, end point
                numbers(3, 80);
                data += random.below(2) ? " 1" : " 0";
                data += random.below(2) ? ",1 " : ",0 ";
                numbers(2, 100);
                break;
            }
        }
        if (random.below(3) == 0)
            data += " Z";
        data += '\n';
    }
    return data;
}

// The same bytes in several path elements, split before M so that none exceeds the budget.
QByteArray svgDocument(const QByteArray &data, std::vector<QRectF> &chunkBounds)
{
    QByteArray document = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"1000\" "
                          "height=\"1000\">\n";
    int start = 0;
    int chunk = 0;
    while (start < data.size()) {
        int end = start;
        int elements = 0;
        QPainterPath probe;
        while (end < data.size()) {
            int next = data.indexOf('M', end + 1);
            if (next < 0)
                next = data.size();
            QPainterPath subpath;
            SvgPathParser::parse(QString::fromLatin1(data.mid(end, next - end)), subpath);
            if (elements > 0 && elements + subpath.elementCount() > elementBudget)
                break;
            elements += subpath.elementCount();
            end = next;
        }
        const QByteArray piece = data.mid(start, end - start);
        SvgPathParser::parse(QString::fromLatin1(piece), probe);
        chunkBounds.push_back(probe.boundingRect());
        document += "<path id=\"p" + QByteArray::number(chunk++)
            + "\" fill=\"black\" stroke=\"none\" d=\"" + piece + "\"/>\n";
        start = end;
    }
    document += "</svg>\n";
    return document;
}

bool sameBounds(const QRectF &a, const QRectF &b)
{
    const double tolerance = 1e-3 * std::max(1.0, std::max(a.width(), a.height()));
    return std::abs(a.left() - b.left()) <= tolerance && std::abs(a.top() - b.top()) <= tolerance
        && std::abs(a.right() - b.right()) <= tolerance
        && std::abs(a.bottom() - b.bottom()) <= tolerance;
}
} // namespace

int main(int argc, char *argv[])
{
#if defined(__GLIBC__)
    // Runs repeat in one process. QtSvg's many small paths come back from the heap warm after the
    // first run, while one 35 MB path would be mapped fresh (and page-faulted) every time: keep
    // large blocks in the heap too, so that both sides are measured warm.
    mallopt(M_MMAP_THRESHOLD, 512 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 1024 * 1024 * 1024);
#endif
    QCoreApplication app(argc, argv);
    const QByteArray data = generatePathData();
    std::vector<QRectF> chunkBounds;
    const QByteArray document = svgDocument(data, chunkBounds);

    // SvgPath receives its data as a string; the document's bytes are the peer's input.
    const QString text = QString::fromLatin1(data);
    int ourElements = 0;
    bool complete = false;
    const auto ours = [&] {
        QPainterPath path;
        complete = SvgPathParser::parse(text, path);
        ourElements = path.elementCount();
    };
    const auto peer = [&] {
        QSvgRenderer renderer;
        renderer.load(document);
    };

    ours();
    peer();
    std::vector<BenchTiming> ourTimings, peerTimings;
    std::vector<double> pairedRatios;
    for (int round = 0; round < rounds; ++round) {
        // Which side runs first alternates, so that neither always follows the other's traces.
        if (round % 2 == 0)
            ourTimings.push_back(BenchTiming::of([&] { return ours(), 0; }));
        peerTimings.push_back(BenchTiming::of([&] { return peer(), 0; }));
        if (round % 2 != 0)
            ourTimings.push_back(BenchTiming::of([&] { return ours(), 0; }));
        pairedRatios.push_back(ourTimings.back().cpu / peerTimings.back().cpu);
    }
    std::sort(pairedRatios.begin(), pairedRatios.end());

    // QtSvg's paths must hold all of their geometry: compare each element's bounds with ours.
    QSvgRenderer check(document);
    int truncated = 0;
    for (size_t i = 0; i < chunkBounds.size(); ++i) {
        const QString id = QStringLiteral("p%1").arg(i);
        if (!check.elementExists(id) || !sameBounds(check.boundsOnElement(id), chunkBounds[i]))
            ++truncated;
    }

    const BenchTiming our = BenchTiming::median(ourTimings);
    const BenchTiming their = BenchTiming::median(peerTimings);
    std::printf("path data: %d bytes, our path: %d elements in one path%s\n", int(data.size()),
        ourElements, complete ? "" : " (INCOMPLETE)");
    std::printf("peer document: %d path elements of at most %d elements each\n",
        int(chunkBounds.size()), elementBudget);
    std::printf("ours SvgPathParser        %9.2f ms cpu %9.2f ms wall\n", our.cpu, our.wall);
    std::printf("peer QSvgRenderer::load   %9.2f ms cpu %9.2f ms wall\n", their.cpu, their.wall);
    if (!complete || truncated > 0) {
        std::printf("FAILED: %d QtSvg path elements lost geometry, ours %s\n", truncated,
            complete ? "complete" : "incomplete");
        return 1;
    }
    // Each round's own ratio: both sides of a round see about the same load on a shared machine.
    std::printf("round ratios: median %.3f, range %.3f-%.3f over %d rounds\n",
        pairedRatios[pairedRatios.size() / 2], pairedRatios.front(), pairedRatios.back(), rounds);
    std::printf("wall-clock ratio: %.3f\n", our.wall / their.wall);
    std::printf("ratio: %.3f\n", our.cpu / their.cpu);
    return 0;
}
