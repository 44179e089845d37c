#include "PolygonBuffer.h"

#include <cstring>
#include <new>
#include <type_traits>

// Points are written into raw storage, and realloc may move them.
static_assert(std::is_trivially_copyable_v<QPointF> && std::is_trivially_destructible_v<QPointF>);

using Data = QTypedArrayData<QPointF>;

PolygonBuffer::PolygonBuffer(int capacity)
    : m_data(Data::allocate(size_t(qMax(capacity, 1))))
{
    if (!m_data)
        throw std::bad_alloc();
    m_points = m_end = m_data->begin();
    m_limit = m_points + qMax(capacity, 1);
}

PolygonBuffer::~PolygonBuffer()
{
    if (m_data)
        Data::deallocate(m_data);
}

void PolygonBuffer::resize(int capacity)
{
    // realloc keeps the points after the header where they are on every supported platform; a
    // block laid out otherwise is copied into a new one.
    Data *data = m_data->offset == sizeof(QArrayData)
        ? Data::reallocateUnaligned(m_data, size_t(capacity))
        : nullptr;
    if (!data) {
        data = Data::allocate(size_t(capacity));
        if (!data)
            throw std::bad_alloc();
        std::memcpy(static_cast<void *>(data->begin()), m_points, sizeof(QPointF) * size_t(size()));
        Data::deallocate(m_data);
    }
    const int count = size();
    m_data = data;
    m_points = data->begin();
    m_end = m_points + count;
    m_limit = m_points + capacity;
}

QPolygonF PolygonBuffer::take()
{
    // Room is trimmed only when more than half of it is unused, as a growing QVector would leave
    // it: a block trimmed by a little and then freed would teach the allocator to map the next
    // block of the old size afresh, page by page, instead of reusing it.
    const int count = size();
    if (count > 0 && count < capacity() / 2)
        resize(count);
    m_data->size = count;
    Data *data = m_data;
    m_data = nullptr;
    return QPolygonF(QVector<QPointF>(QArrayDataPointerRef<QPointF> { data }));
}
