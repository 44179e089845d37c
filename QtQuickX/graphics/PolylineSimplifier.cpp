#include "PolylineSimplifier.h"

#include "PolygonBuffer.h"
#include "SegmentDistance.h"

#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__GNUC__) && defined(__x86_64__)
#include <immintrin.h>
#endif

#include <queue>
#include <utility>
#include <vector>

namespace {
// Douglas-Peucker spends its time measuring points against one span, so the squared segment
// distance is computed there without a division or a branch: with p relative to a, d = b - a,
// dot = p.d and cross = p x d, |p|^2 |d|^2 = dot^2 + cross^2 (Lagrange's identity), hence
//   distance^2 = (cross^2 + excess^2) / |d|^2,  excess = dot - clamp(dot, 0, |d|^2),
// which is the distance to a before the segment, to b beyond it and to the line in between.
// The scaled value (times |d|^2) orders points the same way, so only the maximum is divided.
struct Span
{
    Span(const QPointF &a, const QPointF &b)
        : ax(a.x())
        , ay(a.y())
        , dx(b.x() - a.x())
        , dy(b.y() - a.y())
        , length(dx * dx + dy * dy)
    { }

    double scaledDistance(const QPointF &p) const
    {
        const double px = p.x() - ax, py = p.y() - ay;
        const double dot = px * dx + py * dy;
        const double cross = px * dy - py * dx;
        const double excess = dot - std::min(std::max(dot, 0.0), length);
        return cross * cross + excess * excess;
    }

    double ax, ay, dx, dy, length;
};

#if defined(__SSE2__)
// The farthest of the points i and i + 1 so far, per lane.
struct PairMaximum
{
    __m128d maximum = _mm_set1_pd(-1.0);
    __m128d farthest = _mm_set1_pd(-1.0);

    void measure(const QPointF *points, int i, const Span &span, __m128d index)
    {
        const __m128d p0 = _mm_loadu_pd(reinterpret_cast<const double *>(points + i));
        const __m128d p1 = _mm_loadu_pd(reinterpret_cast<const double *>(points + i + 1));
        const __m128d px = _mm_sub_pd(_mm_unpacklo_pd(p0, p1), _mm_set1_pd(span.ax));
        const __m128d py = _mm_sub_pd(_mm_unpackhi_pd(p0, p1), _mm_set1_pd(span.ay));
        const __m128d dx = _mm_set1_pd(span.dx), dy = _mm_set1_pd(span.dy);
        const __m128d dot = _mm_add_pd(_mm_mul_pd(px, dx), _mm_mul_pd(py, dy));
        const __m128d cross = _mm_sub_pd(_mm_mul_pd(px, dy), _mm_mul_pd(py, dx));
        const __m128d clamped
            = _mm_min_pd(_mm_max_pd(dot, _mm_setzero_pd()), _mm_set1_pd(span.length));
        const __m128d excess = _mm_sub_pd(dot, clamped);
        const __m128d distance = _mm_add_pd(_mm_mul_pd(cross, cross), _mm_mul_pd(excess, excess));
        const __m128d greater = _mm_cmpgt_pd(distance, maximum);
        maximum = _mm_max_pd(distance, maximum);
        farthest = _mm_or_pd(_mm_and_pd(greater, index), _mm_andnot_pd(greater, farthest));
    }

    // Equal maxima go to the earlier point, as a sequential scan would.
    void takeInto(double &bestDistance, int &bestIndex) const
    {
        double maxima[2], indices[2];
        _mm_storeu_pd(maxima, maximum);
        _mm_storeu_pd(indices, farthest);
        for (int lane = 0; lane < 2; ++lane) {
            if (maxima[lane] > bestDistance
                || (maxima[lane] == bestDistance && int(indices[lane]) < bestIndex)) {
                bestDistance = maxima[lane];
                bestIndex = int(indices[lane]);
            }
        }
    }
};

// Four points per step in two independent lanes pairs, so that the running maxima do not wait on
// each other. Leaves `next` at the first point not measured.
void farthestInnerQuads(const QPointF *points, int first, int last, const Span &span, int &next,
    int &farthest, double &maximum)
{
    PairMaximum even, odd;
    __m128d index = _mm_set_pd(first + 2, first + 1);
    const __m128d two = _mm_set1_pd(2.0), four = _mm_set1_pd(4.0);
    int i = first + 1;
    for (; i + 3 < last; i += 4) {
        even.measure(points, i, span, index);
        odd.measure(points, i + 2, span, _mm_add_pd(index, two));
        index = _mm_add_pd(index, four);
    }
    next = i;
    even.takeInto(maximum, farthest);
    odd.takeInto(maximum, farthest);
}
#endif

#if defined(__GNUC__) && defined(__x86_64__)
#define KESTRUM_AVX2_DISPATCH 1
// The same with four points per vector, for processors that have AVX2 (checked at run time;
// the build itself targets the x86-64 baseline).
struct QuadMaximum
{
    __m256d maximum;
    __m256d farthest;

    __attribute__((target("avx2"))) void reset()
    {
        maximum = _mm256_set1_pd(-1.0);
        farthest = _mm256_set1_pd(-1.0);
    }

    // Points i..i+3; index holds their numbers in the order (i, i+2, i+1, i+3) that the
    // unpacking below leaves the lanes in.
    __attribute__((target("avx2"))) void measure(
        const QPointF *points, int i, const Span &span, __m256d index)
    {
        const __m256d p01 = _mm256_loadu_pd(reinterpret_cast<const double *>(points + i));
        const __m256d p23 = _mm256_loadu_pd(reinterpret_cast<const double *>(points + i + 2));
        const __m256d px = _mm256_sub_pd(_mm256_unpacklo_pd(p01, p23), _mm256_set1_pd(span.ax));
        const __m256d py = _mm256_sub_pd(_mm256_unpackhi_pd(p01, p23), _mm256_set1_pd(span.ay));
        const __m256d dx = _mm256_set1_pd(span.dx), dy = _mm256_set1_pd(span.dy);
        const __m256d dot = _mm256_add_pd(_mm256_mul_pd(px, dx), _mm256_mul_pd(py, dy));
        const __m256d cross = _mm256_sub_pd(_mm256_mul_pd(px, dy), _mm256_mul_pd(py, dx));
        const __m256d clamped
            = _mm256_min_pd(_mm256_max_pd(dot, _mm256_setzero_pd()), _mm256_set1_pd(span.length));
        const __m256d excess = _mm256_sub_pd(dot, clamped);
        const __m256d distance
            = _mm256_add_pd(_mm256_mul_pd(cross, cross), _mm256_mul_pd(excess, excess));
        const __m256d greater = _mm256_cmp_pd(distance, maximum, _CMP_GT_OQ);
        maximum = _mm256_max_pd(distance, maximum);
        farthest = _mm256_blendv_pd(farthest, index, greater);
    }

    __attribute__((target("avx2"))) void takeInto(double &bestDistance, int &bestIndex) const
    {
        double maxima[4], indices[4];
        _mm256_storeu_pd(maxima, maximum);
        _mm256_storeu_pd(indices, farthest);
        for (int lane = 0; lane < 4; ++lane) {
            if (maxima[lane] > bestDistance
                || (maxima[lane] == bestDistance && int(indices[lane]) < bestIndex)) {
                bestDistance = maxima[lane];
                bestIndex = int(indices[lane]);
            }
        }
    }
};

__attribute__((target("avx2"))) void farthestInnerOctets(const QPointF *points, int first, int last,
    const Span &span, int &next, int &farthest, double &maximum)
{
    QuadMaximum low, high;
    low.reset();
    high.reset();
    __m256d index = _mm256_set_pd(first + 4, first + 2, first + 3, first + 1);
    const __m256d four = _mm256_set1_pd(4.0), eight = _mm256_set1_pd(8.0);
    int i = first + 1;
    for (; i + 7 < last; i += 8) {
        low.measure(points, i, span, index);
        high.measure(points, i + 4, span, _mm256_add_pd(index, four));
        index = _mm256_add_pd(index, eight);
    }
    next = i;
    low.takeInto(maximum, farthest);
    high.takeInto(maximum, farthest);
}

bool hasAvx2()
{
    static const bool supported = __builtin_cpu_supports("avx2");
    return supported;
}
#endif

// The farthest inner point of the span first..last and its squared segment distance.
std::pair<int, double> farthestInner(const QPointF *points, int first, int last)
{
    const Span span(points[first], points[last]);
    int farthest = -1;
    double maximum = -1.0;
    if (span.length == 0) {
        // A closed polygon's ends coincide: the distance is the one to that point.
        for (int i = first + 1; i < last; ++i) {
            const double distance = SegmentDistance::squared(points[i], points[first]);
            if (distance > maximum) {
                maximum = distance;
                farthest = i;
            }
        }
        return { farthest, maximum };
    }
    int i = first + 1;
#if defined(__SSE2__)
    if (last - first > 8) {
#if defined(KESTRUM_AVX2_DISPATCH)
        if (hasAvx2())
            farthestInnerOctets(points, first, last, span, i, farthest, maximum);
        else
#endif
            farthestInnerQuads(points, first, last, span, i, farthest, maximum);
    }
#endif
    for (; i < last; ++i) {
        const double distance = span.scaledDistance(points[i]);
        if (distance > maximum) {
            maximum = distance;
            farthest = i;
        }
    }
    return { farthest, maximum / span.length };
}

// Distances to the line or ray from a through b, exactly as SegmentDistance computes them, with
// what depends on a and b alone computed once: Reumann-Witkam and Opheim measure point after
// point against the same line until one is kept.
struct Line
{
    Line(const QPointF &a, const QPointF &b)
        : ax(a.x())
        , ay(a.y())
        , dx(b.x() - a.x())
        , dy(b.y() - a.y())
        , length(dx * dx + dy * dy)
        , singleLength(float(length))
    { }

    double toLine(const QPointF &p) const { return toProjection(p, dot(p)); }

    double toRay(const QPointF &p) const
    {
        const double d = dot(p);
        if (d <= 0) {
            const double x = p.x() - ax, y = p.y() - ay;
            return x * x + y * y;
        }
        return toProjection(p, d);
    }

    double dot(const QPointF &p) const { return (p.x() - ax) * dx + (p.y() - ay) * dy; }

    double toProjection(const QPointF &p, double d) const
    {
        const double t = length == 0 ? 0.0 : double(float(d) / singleLength);
        const double x = ax + t * dx - p.x(), y = ay + t * dy - p.y();
        return x * x + y * y;
    }

    double ax, ay, dx, dy, length;
    float singleLength;
};

// The points marked in kept, retained of them.
QPolygonF keptPoints(const QPointF *in, const std::vector<char> &kept, int retained)
{
    PolygonBuffer buffer(retained);
    for (size_t i = 0; i < kept.size(); ++i) {
        if (kept[i])
            buffer.append(in[i]);
    }
    return buffer.take();
}

// Room for a sixteenth of the input at first: most simplifications keep far fewer points, and
// the room grows as needed.
int startingRoom(int n)
{
    return qMax(n / 16, qMin(n, 1024));
}
} // namespace

QPolygonF PolylineSimplifier::nthPoint(const QPolygonF &points, int n)
{
    const int step = qMax(2, n);
    const int count = points.size();
    if (count < 3)
        return points;
    // Points 0, step, 2 step, ... before the last one, then the last one.
    const int kept = (count - 2) / step + 2;
    PolygonBuffer buffer(kept);
    const QPointF *in = points.constData();
    QPointF *out = buffer.room(kept);
    for (int i = 0; i < count - 1; i += step)
        *out++ = in[i];
    *out = in[count - 1];
    buffer.commit(kept);
    return buffer.take();
}

QPolygonF PolylineSimplifier::radialDistance(const QPolygonF &points, double tolerance)
{
    if (points.size() < 3 || tolerance == 0)
        return points;
    PolygonBuffer buffer(startingRoom(points.size()));
    radialDistance(points.constData(), points.size(), tolerance * tolerance, buffer);
    return buffer.take();
}

void PolylineSimplifier::radialDistance(
    const QPointF *in, int n, double squaredTolerance, PolygonBuffer &out)
{
    // Every point is written and the count advanced only when it is kept: no branch to mispredict.
    // Room is made for a block of points at a time.
    constexpr int block = 4096;
    QPointF key = in[0];
    out.append(key);
    for (int begin = 1; begin < n - 1; begin += block) {
        const int end = qMin(begin + block, n - 1);
        QPointF *room = out.room(end - begin);
        int written = 0;
        for (int i = begin; i < end; ++i) {
            const QPointF point = in[i];
            const bool keep = SegmentDistance::squared(point, key) >= squaredTolerance;
            room[written] = point;
            written += keep ? 1 : 0;
            key = keep ? point : key;
        }
        out.commit(written);
    }
    out.append(in[n - 1]);
}

QPolygonF PolylineSimplifier::perpendicularDistance(
    const QPolygonF &points, double tolerance, int repeats)
{
    if (points.size() < 3 || tolerance == 0 || repeats <= 0)
        return points;
    const double squaredTolerance = tolerance * tolerance;
    // A pass removes at most every other point.
    PolygonBuffer buffer(points.size() / 2 + 2);
    perpendicularPass(points.constData(), points.size(), squaredTolerance, buffer);
    // Later passes rewrite the points of the previous one in place, while passes remove points.
    int previous = points.size();
    for (int pass = 1; pass < repeats && buffer.size() >= 3 && buffer.size() < previous; ++pass) {
        previous = buffer.size();
        buffer.truncate(0);
        perpendicularPass(buffer.data(), previous, squaredTolerance, buffer);
    }
    return buffer.take();
}

void PolylineSimplifier::perpendicularPass(
    const QPointF *in, int n, double squaredTolerance, PolygonBuffer &out)
{
    // in may be the room of out: the point appended is never past the points still to be read,
    // and out does not grow past what it held.
    out.append(in[0]);
    const QPointF *a = in;
    const QPointF *const last = in + (n - 1);
    while (last - a >= 2) {
        // Two branches rather than a computed step: the processor can then start on the next
        // distance before this one is known.
        if (SegmentDistance::toSegment(a[1], a[0], a[2]) < squaredTolerance) {
            out.append(a[2]);
            a += 2;
        } else {
            out.append(a[1]);
            a += 1;
        }
    }
    if (a != last)
        out.append(*last);
}

QPolygonF PolylineSimplifier::reumannWitkam(
    const QPolygonF &points, double tolerance, bool breakOnTurns)
{
    const int n = points.size();
    if (n < 3 || tolerance == 0)
        return points;
    const double squaredTolerance = tolerance * tolerance;
    const QPointF *in = points.constData();
    PolygonBuffer buffer(startingRoom(n));
    buffer.append(in[0]);
    Line line(in[0], in[1]);
    for (int q = 1; q < n - 1; ++q) {
        const QPointF &next = in[q + 1];
        bool keep = line.toLine(next) >= squaredTolerance;
        if (!keep && breakOnTurns) {
            const QPointF arriving = in[q] - in[q - 1];
            const QPointF leaving = next - in[q];
            // A zero-length step has no direction and counts as a turn.
            keep = QPointF::dotProduct(arriving, leaving) < 0 || arriving.isNull()
                || leaving.isNull();
        }
        if (keep) {
            buffer.append(in[q]);
            line = Line(in[q], next);
        }
    }
    buffer.append(in[n - 1]);
    return buffer.take();
}

QPolygonF PolylineSimplifier::opheim(
    const QPolygonF &points, double minTolerance, double maxTolerance)
{
    const int n = points.size();
    if (n < 3 || minTolerance == 0 || maxTolerance == 0)
        return points;
    const double squaredMin = minTolerance * minTolerance;
    const double squaredMax = maxTolerance * maxTolerance;
    const QPointF *in = points.constData();
    PolygonBuffer buffer(startingRoom(n));
    buffer.append(in[0]);
    QPointF key = in[0];
    bool hasRay = false;
    Line ray(key, key);
    for (int q = 1; q < n - 1; ++q) {
        const QPointF &next = in[q + 1];
        const double fromKey = SegmentDistance::squared(next, key);
        if (!hasRay) {
            if (fromKey < squaredMin)
                continue;
            hasRay = true;
            ray = Line(key, in[q]);
        }
        if (fromKey >= squaredMax || ray.toRay(next) >= squaredMin) {
            buffer.append(in[q]);
            key = in[q];
            hasRay = false;
        }
    }
    buffer.append(in[n - 1]);
    return buffer.take();
}

QPolygonF PolylineSimplifier::douglasPeucker(const QPolygonF &points, double tolerance)
{
    if (points.size() < 3 || tolerance == 0)
        return points;
    const double squaredTolerance = tolerance * tolerance;
    PolygonBuffer reduced(startingRoom(points.size()));
    radialDistance(points.constData(), points.size(), squaredTolerance, reduced);
    return douglasPeucker(reduced.data(), reduced.size(), squaredTolerance);
}
QPolygonF PolylineSimplifier::douglasPeucker(const QPointF *in, int n, double squaredTolerance)
{
    std::vector<char> kept(size_t(n), 0);
    kept[0] = kept[size_t(n - 1)] = 1;
    int retained = 2;
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
            ++retained;
            spans.emplace_back(first, farthest);
            spans.emplace_back(farthest, last);
        }
    }
    return keptPoints(in, kept, retained);
}

QPolygonF PolylineSimplifier::douglasPeuckerN(const QPolygonF &points, int count)
{
    const int n = points.size();
    if (count >= n || count < 2)
        return points;
    // A span between kept points, ranked by the distance of its farthest inner point.
    struct Candidate
    {
        double distance;
        int first;
        int last;
        int farthest;
        bool operator<(const Candidate &other) const { return distance < other.distance; }
    };
    std::priority_queue<Candidate> spans;
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
        const Candidate best = spans.top();
        spans.pop();
        kept[size_t(best.farthest)] = 1;
        ++retained;
        push(best.first, best.farthest);
        push(best.farthest, best.last);
    }
    return keptPoints(points.constData(), kept, retained);
}
