#pragma once

#include "BoxedPathBase.h"

// rect with optionally rounded corners (radius in path units).
class RectanglePath : public BoxedPathBase
{
    Q_OBJECT
    Q_PROPERTY(double radius READ radius WRITE setRadius NOTIFY radiusChanged)
public:
    explicit RectanglePath(QObject *parent = nullptr);

    double radius() const { return m_radius; }
    void setRadius(double radius);

signals:
    void radiusChanged();

protected:
    void buildShape(QPainterPath &path, const QRectF &box) override;

private:
    double m_radius = 0.0;
};
