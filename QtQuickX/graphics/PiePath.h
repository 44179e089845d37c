#pragma once

#include "BoxedPathBase.h"

// A pie slice of the ellipse in rect; angles in degrees, counter-clockwise as QPainterPath::arcTo.
class PiePath : public BoxedPathBase
{
    Q_OBJECT
    Q_PROPERTY(double startAngle READ startAngle WRITE setStartAngle NOTIFY startAngleChanged)
    Q_PROPERTY(double endAngle READ endAngle WRITE setEndAngle NOTIFY endAngleChanged)
public:
    explicit PiePath(QObject *parent = nullptr);

    double startAngle() const { return m_startAngle; }
    void setStartAngle(double startAngle);
    double endAngle() const { return m_endAngle; }
    void setEndAngle(double endAngle);

signals:
    void startAngleChanged();
    void endAngleChanged();

protected:
    void buildShape(QPainterPath &path, const QRectF &box) override;

private:
    double m_startAngle = 0.0;
    double m_endAngle = 0.0;
};
