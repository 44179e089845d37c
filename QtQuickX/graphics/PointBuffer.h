#pragma once

#include <QPolygonF>

#include <cstdlib>
#include <new>

// Uninitialised room for n points: passes write each slot before reading it, so zero-filling
// megabytes of points first would only cost time.
class PointBuffer
{
public:
    explicit PointBuffer(int n)
        : m_points(static_cast<QPointF *>(std::malloc(sizeof(QPointF) * size_t(qMax(n, 1)))))
    {
        if (!m_points)
            throw std::bad_alloc();
    }
    ~PointBuffer() { std::free(m_points); }
    PointBuffer(const PointBuffer &) = delete;
    PointBuffer &operator=(const PointBuffer &) = delete;

    void set(int index, const QPointF &point) { new (m_points + index) QPointF(point); }
    const QPointF *data() const { return m_points; }
    QPolygonF toPolygon(int count) const
    {
        return QPolygonF(QVector<QPointF>(m_points, m_points + count));
    }

private:
    QPointF *m_points;
};
