#include "ObjectListRowBlock.h"

#include <QtGlobal>

#include <new>

namespace {

// Slots start at this offset, aligned for any row.
constexpr std::size_t headerSize = (sizeof(ObjectListRowBlock) + alignof(std::max_align_t) - 1)
    / alignof(std::max_align_t) * alignof(std::max_align_t);

} // namespace

ObjectListRowBlock *ObjectListRowBlock::create(int rows, std::size_t slotSize)
{
    Q_ASSERT(rows > 0 && rows <= maximumRows);
    void *memory = ::operator new(headerSize + std::size_t(rows) * slotSize);
    return new (memory) ObjectListRowBlock(rows, slotSize);
}

ObjectListRowBlock::ObjectListRowBlock(int rows, std::size_t slotSize)
    : m_references(rows + 1)
    , m_rows(rows)
    , m_slotSize(slotSize)
{ }

void *ObjectListRowBlock::take()
{
    Q_ASSERT(m_taken < m_rows);
    return storage() + std::size_t(m_taken++) * m_slotSize;
}

void ObjectListRowBlock::release()
{
    if (m_references.fetch_sub(1, std::memory_order_acq_rel) != 1)
        return;
    this->~ObjectListRowBlock();
    ::operator delete(this);
}

unsigned char *ObjectListRowBlock::storage()
{
    return reinterpret_cast<unsigned char *>(this) + headerSize;
}
