#include "Knot.h"

Knot::Knot(QObject *parent)
    : QObject(parent)
{ }

template<typename T>
void Knot::assign(T &field, const T &value)
{
    if (field == value)
        return;
    field = value;
    emit knotChanged();
}

void Knot::setVertex(const QPointF &vertex)
{
    assign(m_vertex, vertex);
}

void Knot::setInVec(const QPointF &inVec)
{
    assign(m_inVec, inVec);
}

void Knot::setOutVec(const QPointF &outVec)
{
    assign(m_outVec, outVec);
}

void Knot::setKnotType(KnotTypeEnum knotType)
{
    assign(m_knotType, knotType);
}
