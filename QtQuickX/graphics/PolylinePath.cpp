#include "PolylinePath.h"

#include "ListPropertyOf.h"

#include <QPainterPath>

PolylinePath::PolylinePath(QObject *parent)
    : PainterPathElement(parent)
{ }

QQmlListProperty<Knot> PolylinePath::knots()
{
    return listPropertyOf<Knot, PolylinePath, &PolylinePath::appendKnot, &PolylinePath::knotCount,
        &PolylinePath::knotAt, &PolylinePath::clearKnots>(this);
}

void PolylinePath::appendKnot(Knot *knot)
{
    if (!knot)
        return;
    m_knots.append(knot);
    connect(knot, &Knot::knotChanged, this, &PolylinePath::knotChanged, Qt::UniqueConnection);
    connect(knot, &QObject::destroyed, this, &PolylinePath::knotChanged, Qt::UniqueConnection);
    invalidate();
    emit knotsChanged();
}

void PolylinePath::clearKnots()
{
    for (const QPointer<Knot> &knot : qAsConst(m_knots)) {
        if (knot)
            knot->disconnect(this);
    }
    m_knots.clear();
    invalidate();
    emit knotsChanged();
}

void PolylinePath::setClosed(bool closed)
{
    if (assign(m_closed, closed))
        emit closedChanged();
}

void PolylinePath::knotChanged()
{
    invalidate();
}

void PolylinePath::buildPath(QPainterPath &path, BuildContext &)
{
    QVector<const Knot *> knots;
    knots.reserve(m_knots.size());
    for (const QPointer<Knot> &knot : qAsConst(m_knots)) {
        if (knot)
            knots.append(knot.data());
    }
    if (knots.size() < 2)
        return;
    path.moveTo(knots.first()->vertex());
    for (int i = 1; i < knots.size(); ++i) {
        const Knot *previous = knots.at(i - 1);
        const Knot *knot = knots.at(i);
        if (previous->knotType() == Knot::BezierCorner)
            path.cubicTo(previous->outVec(), knot->inVec(), knot->vertex());
        else
            path.lineTo(knot->vertex());
    }
    if (m_closed)
        path.closeSubpath();
}
