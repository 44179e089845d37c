#pragma once

#include "GroupPath.h"

#include <QVector>

// The outline of the stroke of its children, as a fillable path.
class StrokePathElem : public GroupPath
{
    Q_OBJECT
    Q_PROPERTY(double strokeWeight READ strokeWeight WRITE setStrokeWeight NOTIFY strokeChanged)
    Q_PROPERTY(Qt::PenCapStyle capStyle READ capStyle WRITE setCapStyle NOTIFY strokeChanged)
    Q_PROPERTY(Qt::PenJoinStyle joinStyle READ joinStyle WRITE setJoinStyle NOTIFY strokeChanged)
    Q_PROPERTY(Qt::PenStyle dashPattern READ dashPattern WRITE setDashPattern NOTIFY strokeChanged)
    // Dash and gap lengths in stroke widths; takes precedence over dashPattern when not empty.
    Q_PROPERTY(QVector<qreal> dashPatternArray READ dashPatternArray WRITE setDashPatternArray
            NOTIFY strokeChanged)
    Q_PROPERTY(double dashOffset READ dashOffset WRITE setDashOffset NOTIFY strokeChanged)
public:
    explicit StrokePathElem(QObject *parent = nullptr);

    double strokeWeight() const { return m_strokeWeight; }
    void setStrokeWeight(double strokeWeight);
    Qt::PenCapStyle capStyle() const { return m_capStyle; }
    void setCapStyle(Qt::PenCapStyle capStyle);
    Qt::PenJoinStyle joinStyle() const { return m_joinStyle; }
    void setJoinStyle(Qt::PenJoinStyle joinStyle);
    Qt::PenStyle dashPattern() const { return m_dashPattern; }
    void setDashPattern(Qt::PenStyle dashPattern);
    QVector<qreal> dashPatternArray() const { return m_dashPatternArray; }
    void setDashPatternArray(const QVector<qreal> &dashPatternArray);
    double dashOffset() const { return m_dashOffset; }
    void setDashOffset(double dashOffset);

    void buildPath(QPainterPath &path, BuildContext &context) override;

signals:
    void strokeChanged();

private:
    bool hasUsableDashArray() const;

    double m_strokeWeight = 1.0;
    Qt::PenCapStyle m_capStyle = Qt::RoundCap;
    Qt::PenJoinStyle m_joinStyle = Qt::RoundJoin;
    Qt::PenStyle m_dashPattern = Qt::SolidLine;
    QVector<qreal> m_dashPatternArray;
    double m_dashOffset = 0.0;
};
