#pragma once

#include <vector>

struct PlainPoint
{
    double x;
    double y;
};
using PlainPoints = std::vector<PlainPoint>;

// The peer of bench_simplify: the same algorithms and the same distance formulas as
// PolylineSimplifier, written the way a header-only simplification library writes them: one
// tight scalar loop per algorithm over a std::vector of plain points, the output a std::vector
// reserved for the whole input and filled with push_back (as such a library fills the container
// behind its output iterator), the Douglas-Peucker search a plain sequential scan. Inputs have at
// least three points and tolerances are positive.
class PlainLoopSimplifier
{
public:
    static PlainPoints nthPoint(const PlainPoints &in, int n);
    static PlainPoints radialDistance(const PlainPoints &in, double tolerance);
    static PlainPoints perpendicularDistance(const PlainPoints &in, double tolerance, int repeats);
    static PlainPoints reumannWitkam(const PlainPoints &in, double tolerance, bool breakOnTurns);
    static PlainPoints opheim(const PlainPoints &in, double minTolerance, double maxTolerance);
    static PlainPoints douglasPeucker(const PlainPoints &in, double tolerance);
    static PlainPoints douglasPeuckerN(const PlainPoints &in, int count);
};
