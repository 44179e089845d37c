#pragma once

#include "GroupPath.h"

class QPolygonF;

// Reduces the points of its children's geometry: flattens it into polygons and simplifies each,
// or merges overlapping sub-paths (Generic).
class SimplifyPath : public GroupPath
{
    Q_OBJECT
    // Distance threshold; the minimum tolerance for Opheim.
    Q_PROPERTY(double tolerance READ tolerance WRITE setTolerance NOTIFY simplificationChanged)
    // The maximum tolerance, for Opheim only.
    Q_PROPERTY(
        double maxTolerance READ maxTolerance WRITE setMaxTolerance NOTIFY simplificationChanged)
    // Passes of PerpendicularDistance, points kept by DouglasPeuckerN, step of NthPoint.
    Q_PROPERTY(int repeats READ repeats WRITE setRepeats NOTIFY simplificationChanged)
    // An Algorithm number, optionally combined with OnFills. Held as int: QML rejects a
    // combination of enumerators bound to an enumeration-typed property.
    Q_PROPERTY(int algorithm READ algorithm WRITE setAlgorithm NOTIFY simplificationChanged)
public:
    enum Algorithm {
        OnSubpaths = 0,
        OnFills = 0x1000,
        AlgorithmMask = 0xFFFF,
        Generic = 0,
        NthPoint = 1,
        RadialDistance = 2,
        PerpendicularDistance = 3,
        ReumannWitkam = 4,
        ReumannWitkamMod = 5,
        Opheim = 6,
        DouglasPeucker = 7,
        DouglasPeuckerN = 8,
    };
    Q_ENUM(Algorithm)

    explicit SimplifyPath(QObject *parent = nullptr);

    double tolerance() const { return m_tolerance; }
    void setTolerance(double tolerance);
    double maxTolerance() const { return m_maxTolerance; }
    void setMaxTolerance(double maxTolerance);
    int repeats() const { return m_repeats; }
    void setRepeats(int repeats);
    int algorithm() const { return m_algorithm; }
    void setAlgorithm(int algorithm);

    void buildPath(QPainterPath &path, BuildContext &context) override;

    // The polygon simplified by the selected algorithm; empty for unknown algorithm numbers.
    QPolygonF simplified(const QPolygonF &polygon) const;

signals:
    void simplificationChanged();

private:
    double m_tolerance = 1.0;
    double m_maxTolerance = 1.0;
    int m_repeats = 1;
    int m_algorithm = PerpendicularDistance;
};
