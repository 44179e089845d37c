#pragma once

#include "Knot.h"
#include "PainterPathElement.h"

#include <QPointer>
#include <QQmlListProperty>
#include <QVector>

// An open or closed line through its knots; a BezierCorner knot starts a cubic curve.
class PolylinePath : public PainterPathElement
{
    Q_OBJECT
    Q_PROPERTY(QQmlListProperty<Knot> knots READ knots NOTIFY knotsChanged)
    Q_PROPERTY(bool closed READ isClosed WRITE setClosed NOTIFY closedChanged)
    Q_CLASSINFO("DefaultProperty", "knots")
public:
    explicit PolylinePath(QObject *parent = nullptr);

    QQmlListProperty<Knot> knots();
    void appendKnot(Knot *knot);
    void clearKnots();
    int knotCount() const { return m_knots.size(); }
    Knot *knotAt(int index) const { return m_knots.value(index); }

    bool isClosed() const { return m_closed; }
    void setClosed(bool closed);

    void buildPath(QPainterPath &path, BuildContext &context) override;

signals:
    void knotsChanged();
    void closedChanged();

private slots:
    void knotChanged();

private:
    QVector<QPointer<Knot>> m_knots;
    bool m_closed = false;
};
