#pragma once

#include <QPolygonF>

// The points a simplification keeps, appended one by one and handed over as a polygon without
// being copied. Unlike QVector::append, append checks only the capacity (no sharing, no header
// lookups), and the storage grows with realloc, in place where the allocator can, rather than by
// QVector's reallocation, which copies every point into a new block (as QVector::squeeze does).
// Starting small rather than with room for every input point keeps the blocks near the size of
// the result; at most half of a block is left unused.
class PolygonBuffer
{
public:
    explicit PolygonBuffer(int capacity);
    ~PolygonBuffer();
    PolygonBuffer(const PolygonBuffer &) = delete;
    PolygonBuffer &operator=(const PolygonBuffer &) = delete;

    void append(const QPointF &point)
    {
        if (Q_UNLIKELY(m_end == m_limit))
            resize(2 * capacity());
        *m_end++ = point;
    }
    // Room for count more points past the last one, to write before commit(count) or less.
    QPointF *room(int count)
    {
        if (Q_UNLIKELY(m_limit - m_end < count))
            resize(qMax(2 * capacity(), size() + count));
        return m_end;
    }
    void commit(int count) { m_end += count; }
    // Keeps the first count points; later appends overwrite the rest.
    void truncate(int count) { m_end = m_points + count; }
    int size() const { return int(m_end - m_points); }
    int capacity() const { return int(m_limit - m_points); }
    const QPointF *data() const { return m_points; }
    // The polygon of the points appended; the buffer is not to be used afterwards.
    QPolygonF take();

private:
    void resize(int capacity);

    QTypedArrayData<QPointF> *m_data;
    QPointF *m_points;
    QPointF *m_end;
    QPointF *m_limit;
};
