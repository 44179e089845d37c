#include "PolylineSimplifier.h"

#include "SegmentDistance.h"

#include <QVector>

#include <queue>
#include <utility>
#include <vector>

namespace {
// The farthest inner point of the span first..last and its squared segment distance.
std::pair<int, double> farthestInner(const QPointF *points, int first, int last)
{
    const QPointF a = points[first];
    const QPointF b = points[last];
    int farthest = -1;
    double maximum = -1.0;
    for (int i = first + 1; i < last; ++i) {
        const double distance = SegmentDistance::toSegment(points[i], a, b);
        if (distance > maximum) {
            maximum = distance;
            farthest = i;
        }
    }
    return { farthest, maximum };
}

QPolygonF shrunk(QPolygonF buffer, int size)
{
    buffer.resize(size);
    buffer.squeeze();
    return buffer;
}
} // namespace

QPolygonF PolylineSimplifier::nthPoint(const QPolygonF &points, int n)
{
    const int step = qMax(2, n);
    const int count = points.size();
    if (count < 3)
        return points;
    QPolygonF result;
    result.reserve(count / step + 2);
    for (int i = 0; i < count - 1; i += step)
        result.append(points.at(i));
    result.append(points.last());
    return result;
}

QPolygonF PolylineSimplifier::radialDistance(const QPolygonF &points, double tolerance)
{
    if (points.size() < 3 || tolerance == 0)
        return points;
    QPolygonF buffer(points.size());
    return shrunk(buffer,
        radialDistance(points.constData(), points.size(), tolerance * tolerance, buffer.data()));
}

int PolylineSimplifier::radialDistance(
    const QPointF *in, int n, double squaredTolerance, QPointF *out)
{
    int written = 0;
    QPointF key = in[0];
    out[written++] = key;
    for (int i = 1; i < n - 1; ++i) {
        if (SegmentDistance::squared(in[i], key) >= squaredTolerance) {
            key = in[i];
            out[written++] = key;
        }
    }
    out[written++] = in[n - 1];
    return written;
}

QPolygonF PolylineSimplifier::perpendicularDistance(
    const QPolygonF &points, double tolerance, int repeats)
{
    if (points.size() < 3 || tolerance == 0 || repeats <= 0)
        return points;
    const double squaredTolerance = tolerance * tolerance;
    // Two buffers used alternately, one pass reading what the previous one wrote.
    QPolygonF buffers[2] = { QPolygonF(points.size()), QPolygonF(points.size()) };
    const QPointF *in = points.constData();
    int size = points.size();
    int current = 0;
    for (int pass = 0; pass < repeats && size >= 3; ++pass) {
        const int written = perpendicularPass(in, size, squaredTolerance, buffers[current].data());
        const bool removed = written < size;
        in = buffers[current].constData();
        size = written;
        current = 1 - current;
        if (!removed)
            break;
    }
    return shrunk(buffers[1 - current], size);
}

int PolylineSimplifier::perpendicularPass(
    const QPointF *in, int n, double squaredTolerance, QPointF *out)
{
    int written = 0;
    out[written++] = in[0];
    int last = 0;
    int a = 0;
    while (a + 2 < n) {
        if (SegmentDistance::toSegment(in[a + 1], in[a], in[a + 2]) < squaredTolerance) {
            out[written++] = in[a + 2];
            last = a + 2;
            a += 2;
        } else {
            out[written++] = in[a + 1];
            last = a + 1;
            a += 1;
        }
    }
    if (last != n - 1)
        out[written++] = in[n - 1];
    return written;
}

QPolygonF PolylineSimplifier::reumannWitkam(
    const QPolygonF &points, double tolerance, bool breakOnTurns)
{
    const int n = points.size();
    if (n < 3 || tolerance == 0)
        return points;
    const double squaredTolerance = tolerance * tolerance;
    QPolygonF result(n);
    int written = 0;
    result[written++] = points.at(0);
    int key = 0;
    int direction = 1;
    for (int q = 1; q < n - 1; ++q) {
        const QPointF &next = points.at(q + 1);
        bool keep = SegmentDistance::toLine(next, points.at(key), points.at(direction))
            >= squaredTolerance;
        if (!keep && breakOnTurns) {
            const QPointF in = points.at(q) - points.at(q - 1);
            const QPointF out = next - points.at(q);
            // A zero-length step has no direction and counts as a turn.
            keep = QPointF::dotProduct(in, out) < 0 || in.isNull() || out.isNull();
        }
        if (keep) {
            result[written++] = points.at(q);
            key = q;
            direction = q + 1;
        }
    }
    result[written++] = points.last();
    return shrunk(result, written);
}

QPolygonF PolylineSimplifier::opheim(
    const QPolygonF &points, double minTolerance, double maxTolerance)
{
    const int n = points.size();
    if (n < 3 || minTolerance == 0 || maxTolerance == 0)
        return points;
    const double squaredMin = minTolerance * minTolerance;
    const double squaredMax = maxTolerance * maxTolerance;
    QPolygonF result(n);
    int written = 0;
    result[written++] = points.at(0);
    int key = 0;
    int rayPoint = -1;
    for (int q = 1; q < n - 1; ++q) {
        const QPointF &next = points.at(q + 1);
        if (rayPoint < 0) {
            if (SegmentDistance::squared(next, points.at(key)) < squaredMin)
                continue;
            rayPoint = q;
        }
        if (SegmentDistance::squared(next, points.at(key)) >= squaredMax
            || SegmentDistance::toRay(next, points.at(key), points.at(rayPoint)) >= squaredMin) {
            result[written++] = points.at(q);
            key = q;
            rayPoint = -1;
        }
    }
    result[written++] = points.last();
    return shrunk(result, written);
}

QPolygonF PolylineSimplifier::douglasPeucker(const QPolygonF &points, double tolerance)
{
    if (points.size() < 3 || tolerance == 0)
        return points;
    const double squaredTolerance = tolerance * tolerance;
    QPolygonF reduced(points.size());
    const int count
        = radialDistance(points.constData(), points.size(), squaredTolerance, reduced.data());
    QPolygonF result(count);
    return shrunk(
        result, douglasPeucker(reduced.constData(), count, squaredTolerance, result.data()));
}

int PolylineSimplifier::douglasPeucker(
    const QPointF *in, int n, double squaredTolerance, QPointF *out)
{
    std::vector<char> kept(size_t(n), 0);
    kept[0] = kept[size_t(n - 1)] = 1;
    std::vector<std::pair<int, int>> spans;
    spans.emplace_back(0, n - 1);
    while (!spans.empty()) {
        const auto [first, last] = spans.back();
        spans.pop_back();
        if (last - first < 2)
            continue;
        const auto [farthest, distance] = farthestInner(in, first, last);
        if (distance >= squaredTolerance) {
            kept[size_t(farthest)] = 1;
            spans.emplace_back(first, farthest);
            spans.emplace_back(farthest, last);
        }
    }
    int written = 0;
    for (int i = 0; i < n; ++i) {
        if (kept[size_t(i)])
            out[written++] = in[i];
    }
    return written;
}

QPolygonF PolylineSimplifier::douglasPeuckerN(const QPolygonF &points, int count)
{
    const int n = points.size();
    if (count >= n || count < 2)
        return points;
    struct Span
    {
        double distance;
        int first;
        int last;
        int farthest;
        bool operator<(const Span &other) const { return distance < other.distance; }
    };
    std::priority_queue<Span> spans;
    auto push = [&](int first, int last) {
        if (last - first < 2)
            return;
        const auto [farthest, distance] = farthestInner(points.constData(), first, last);
        spans.push({ distance, first, last, farthest });
    };
    std::vector<char> kept(size_t(n), 0);
    kept[0] = kept[size_t(n - 1)] = 1;
    int retained = 2;
    push(0, n - 1);
    while (retained < count && !spans.empty()) {
        const Span best = spans.top();
        spans.pop();
        kept[size_t(best.farthest)] = 1;
        ++retained;
        push(best.first, best.farthest);
        push(best.farthest, best.last);
    }
    QPolygonF result;
    result.reserve(retained);
    for (int i = 0; i < n; ++i) {
        if (kept[size_t(i)])
            result.append(points.at(i));
    }
    return result;
}
