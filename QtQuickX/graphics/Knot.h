#pragma once

#include <QObject>
#include <QPointF>

// One vertex of a PolylinePath with the control points of its curves.
class Knot : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QPointF vertex READ vertex WRITE setVertex NOTIFY knotChanged)
    // Absolute control point of the curve arriving at vertex.
    Q_PROPERTY(QPointF inVec READ inVec WRITE setInVec NOTIFY knotChanged)
    // Absolute control point of the curve leaving vertex (used when knotType is BezierCorner).
    Q_PROPERTY(QPointF outVec READ outVec WRITE setOutVec NOTIFY knotChanged)
    Q_PROPERTY(KnotTypeEnum knotType READ knotType WRITE setKnotType NOTIFY knotChanged)
    Q_CLASSINFO("DefaultProperty", "vertex")
public:
    enum KnotTypeEnum { Corner = 0, BezierCorner = 1 };
    Q_ENUM(KnotTypeEnum)

    explicit Knot(QObject *parent = nullptr);

    QPointF vertex() const { return m_vertex; }
    void setVertex(const QPointF &vertex);
    QPointF inVec() const { return m_inVec; }
    void setInVec(const QPointF &inVec);
    QPointF outVec() const { return m_outVec; }
    void setOutVec(const QPointF &outVec);
    KnotTypeEnum knotType() const { return m_knotType; }
    void setKnotType(KnotTypeEnum knotType);

signals:
    void knotChanged();

private:
    template<typename T>
    void assign(T &field, const T &value);

    QPointF m_vertex;
    QPointF m_inVec;
    QPointF m_outVec;
    KnotTypeEnum m_knotType = Corner;
};
