#include "PlainLoopSimplifier.h"

#include <algorithm>
#include <queue>
#include <utility>

namespace {
double squared(const PlainPoint &p, const PlainPoint &q)
{
    const double dx = p.x - q.x, dy = p.y - q.y;
    return dx * dx + dy * dy;
}

// The projection factor in single precision, as the console computes it.
double projected(const PlainPoint &p, const PlainPoint &a, double dx, double dy, double dot)
{
    const double length = dx * dx + dy * dy;
    const double t = length == 0 ? 0.0 : double(float(dot) / float(length));
    const double x = a.x + t * dx - p.x, y = a.y + t * dy - p.y;
    return x * x + y * y;
}

double toSegment(const PlainPoint &p, const PlainPoint &a, const PlainPoint &b)
{
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double dot = (p.x - a.x) * dx + (p.y - a.y) * dy;
    if (dot <= 0)
        return squared(p, a);
    if (dot >= dx * dx + dy * dy)
        return squared(p, b);
    return projected(p, a, dx, dy, dot);
}

double toLine(const PlainPoint &p, const PlainPoint &a, const PlainPoint &b)
{
    const double dx = b.x - a.x, dy = b.y - a.y;
    return projected(p, a, dx, dy, (p.x - a.x) * dx + (p.y - a.y) * dy);
}

double toRay(const PlainPoint &p, const PlainPoint &a, const PlainPoint &b)
{
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double dot = (p.x - a.x) * dx + (p.y - a.y) * dy;
    return dot <= 0 ? squared(p, a) : projected(p, a, dx, dy, dot);
}

PlainPoints reserved(size_t n)
{
    PlainPoints out;
    out.reserve(n);
    return out;
}

void perpendicularPass(const PlainPoints &in, double squaredTolerance, PlainPoints &out)
{
    const size_t n = in.size();
    out.clear();
    out.push_back(in[0]);
    size_t a = 0;
    while (a + 2 < n) {
        if (toSegment(in[a + 1], in[a], in[a + 2]) < squaredTolerance)
            a += 2;
        else
            a += 1;
        out.push_back(in[a]);
    }
    if (a != n - 1)
        out.push_back(in[n - 1]);
}

// The farthest inner point of first..last and its squared distance to the segment, in the
// console's formula: (cross^2 + excess^2) / |d|^2, excess being how far the projection falls
// outside the segment.
std::pair<size_t, double> farthestInner(const PlainPoints &in, size_t first, size_t last)
{
    const PlainPoint a = in[first];
    const double dx = in[last].x - a.x, dy = in[last].y - a.y;
    const double length = dx * dx + dy * dy;
    size_t farthest = first;
    double maximum = -1;
    for (size_t i = first + 1; i < last; ++i) {
        double distance;
        if (length == 0) {
            distance = squared(in[i], a);
        } else {
            const double px = in[i].x - a.x, py = in[i].y - a.y;
            const double dot = px * dx + py * dy;
            const double cross = px * dy - py * dx;
            const double excess = dot - std::min(std::max(dot, 0.0), length);
            distance = cross * cross + excess * excess;
        }
        if (distance > maximum) {
            maximum = distance;
            farthest = i;
        }
    }
    return { farthest, length == 0 ? maximum : maximum / length };
}
} // namespace

PlainPoints PlainLoopSimplifier::nthPoint(const PlainPoints &in, int n)
{
    PlainPoints out = reserved(in.size() / size_t(n) + 2);
    for (size_t i = 0; i + 1 < in.size(); i += size_t(n))
        out.push_back(in[i]);
    out.push_back(in.back());
    return out;
}

PlainPoints PlainLoopSimplifier::radialDistance(const PlainPoints &in, double tolerance)
{
    const double squaredTolerance = tolerance * tolerance;
    PlainPoints out = reserved(in.size());
    PlainPoint key = in[0];
    out.push_back(key);
    for (size_t i = 1; i + 1 < in.size(); ++i) {
        if (squared(in[i], key) >= squaredTolerance) {
            key = in[i];
            out.push_back(key);
        }
    }
    out.push_back(in.back());
    return out;
}

PlainPoints PlainLoopSimplifier::perpendicularDistance(
    const PlainPoints &in, double tolerance, int repeats)
{
    const double squaredTolerance = tolerance * tolerance;
    PlainPoints out = reserved(in.size());
    perpendicularPass(in, squaredTolerance, out);
    if (repeats == 1)
        return out;
    PlainPoints previous = reserved(in.size());
    for (int pass = 1; pass < repeats && out.size() >= 3; ++pass) {
        std::swap(previous, out);
        perpendicularPass(previous, squaredTolerance, out);
        if (out.size() == previous.size())
            break;
    }
    return out;
}

PlainPoints PlainLoopSimplifier::reumannWitkam(
    const PlainPoints &in, double tolerance, bool breakOnTurns)
{
    const double squaredTolerance = tolerance * tolerance;
    const size_t n = in.size();
    PlainPoints out = reserved(n);
    out.push_back(in[0]);
    size_t key = 0, direction = 1;
    for (size_t q = 1; q + 1 < n; ++q) {
        const PlainPoint &next = in[q + 1];
        bool keep = toLine(next, in[key], in[direction]) >= squaredTolerance;
        if (!keep && breakOnTurns) {
            const double inX = in[q].x - in[q - 1].x, inY = in[q].y - in[q - 1].y;
            const double outX = next.x - in[q].x, outY = next.y - in[q].y;
            keep
                = inX * outX + inY * outY < 0 || (inX == 0 && inY == 0) || (outX == 0 && outY == 0);
        }
        if (keep) {
            out.push_back(in[q]);
            key = q;
            direction = q + 1;
        }
    }
    out.push_back(in.back());
    return out;
}

PlainPoints PlainLoopSimplifier::opheim(
    const PlainPoints &in, double minTolerance, double maxTolerance)
{
    const double squaredMin = minTolerance * minTolerance;
    const double squaredMax = maxTolerance * maxTolerance;
    const size_t n = in.size();
    PlainPoints out = reserved(n);
    out.push_back(in[0]);
    size_t key = 0;
    bool hasRay = false;
    size_t rayPoint = 0;
    for (size_t q = 1; q + 1 < n; ++q) {
        const PlainPoint &next = in[q + 1];
        const double fromKey = squared(next, in[key]);
        if (!hasRay) {
            if (fromKey < squaredMin)
                continue;
            hasRay = true;
            rayPoint = q;
        }
        if (fromKey >= squaredMax || toRay(next, in[key], in[rayPoint]) >= squaredMin) {
            out.push_back(in[q]);
            key = q;
            hasRay = false;
        }
    }
    out.push_back(in.back());
    return out;
}

PlainPoints PlainLoopSimplifier::douglasPeucker(const PlainPoints &in, double tolerance)
{
    const double squaredTolerance = tolerance * tolerance;
    const PlainPoints reduced = radialDistance(in, tolerance);
    const size_t n = reduced.size();
    std::vector<char> kept(n, 0);
    kept[0] = kept[n - 1] = 1;
    std::vector<std::pair<size_t, size_t>> spans { { 0, n - 1 } };
    size_t count = 2;
    while (!spans.empty()) {
        const auto [first, last] = spans.back();
        spans.pop_back();
        if (last - first < 2)
            continue;
        const auto [farthest, distance] = farthestInner(reduced, first, last);
        if (distance >= squaredTolerance) {
            kept[farthest] = 1;
            ++count;
            spans.emplace_back(first, farthest);
            spans.emplace_back(farthest, last);
        }
    }
    PlainPoints out = reserved(count);
    for (size_t i = 0; i < n; ++i) {
        if (kept[i])
            out.push_back(reduced[i]);
    }
    return out;
}

PlainPoints PlainLoopSimplifier::douglasPeuckerN(const PlainPoints &in, int count)
{
    struct Candidate
    {
        double distance;
        size_t first, last, farthest;
        bool operator<(const Candidate &other) const { return distance < other.distance; }
    };
    std::priority_queue<Candidate> spans;
    const auto push = [&](size_t first, size_t last) {
        if (last - first >= 2) {
            const auto [farthest, distance] = farthestInner(in, first, last);
            spans.push({ distance, first, last, farthest });
        }
    };
    const size_t n = in.size();
    std::vector<char> kept(n, 0);
    kept[0] = kept[n - 1] = 1;
    int retained = 2;
    push(0, n - 1);
    while (retained < count && !spans.empty()) {
        const Candidate best = spans.top();
        spans.pop();
        kept[best.farthest] = 1;
        ++retained;
        push(best.first, best.farthest);
        push(best.farthest, best.last);
    }
    PlainPoints out = reserved(size_t(retained));
    for (size_t i = 0; i < n; ++i) {
        if (kept[i])
            out.push_back(in[i]);
    }
    return out;
}
