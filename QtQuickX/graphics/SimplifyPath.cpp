#include "SimplifyPath.h"

#include "PolylineSimplifier.h"

#include <QDebug>
#include <QPainterPath>

SimplifyPath::SimplifyPath(QObject *parent)
    : GroupPath(parent)
{ }

void SimplifyPath::setTolerance(double tolerance)
{
    if (assign(m_tolerance, tolerance))
        emit simplificationChanged();
}

void SimplifyPath::setMaxTolerance(double maxTolerance)
{
    if (assign(m_maxTolerance, maxTolerance))
        emit simplificationChanged();
}

void SimplifyPath::setRepeats(int repeats)
{
    if (assign(m_repeats, repeats))
        emit simplificationChanged();
}

void SimplifyPath::setAlgorithm(int algorithm)
{
    if (assign(m_algorithm, algorithm))
        emit simplificationChanged();
}

namespace {
// AlgorithmMask covers the OnFills bit as well; the algorithm number is what remains without it.
int algorithmNumber(int algorithm)
{
    return algorithm & SimplifyPath::AlgorithmMask & ~SimplifyPath::OnFills;
}
} // namespace

void SimplifyPath::buildPath(QPainterPath &path, BuildContext &context)
{
    const QPainterPath source = buildChildren(context);
    // An empty path still holds one placeholder element.
    const auto countOf = [](const QPainterPath &p) {
        return p.isEmpty() ? 0 : p.elementCount();
    };
    const int before = countOf(path);
    if (algorithmNumber(m_algorithm) == Generic) {
        path.addPath(source.simplified());
    } else {
        const QList<QPolygonF> polygons = (m_algorithm & OnFills)
            ? source.toFillPolygons(QTransform())
            : source.toSubpathPolygons(QTransform());
        for (const QPolygonF &polygon : polygons) {
            const QPolygonF result = simplified(polygon);
            if (!result.isEmpty())
                path.addPolygon(result);
        }
    }
    const int sourceCount = countOf(source);
    if (sourceCount > 0) {
        const int appended = countOf(path) - before;
        qDebug() << "Path simplified: " << sourceCount << "->" << appended
                 << appended * 100 / sourceCount << "%";
    }
}

QPolygonF SimplifyPath::simplified(const QPolygonF &polygon) const
{
    switch (algorithmNumber(m_algorithm)) {
    case NthPoint:
        return PolylineSimplifier::nthPoint(polygon, m_repeats);
    case RadialDistance:
        return PolylineSimplifier::radialDistance(polygon, m_tolerance);
    case PerpendicularDistance:
        return PolylineSimplifier::perpendicularDistance(polygon, m_tolerance, m_repeats);
    case ReumannWitkam:
        return PolylineSimplifier::reumannWitkam(polygon, m_tolerance, false);
    case ReumannWitkamMod:
        return PolylineSimplifier::reumannWitkam(polygon, m_tolerance, true);
    case Opheim:
        return PolylineSimplifier::opheim(polygon, m_tolerance, m_maxTolerance);
    case DouglasPeucker:
        return PolylineSimplifier::douglasPeucker(polygon, m_tolerance);
    case DouglasPeuckerN:
        return PolylineSimplifier::douglasPeuckerN(polygon, m_repeats);
    default:
        return QPolygonF();
    }
}
