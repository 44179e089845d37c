#pragma once

#include <atomic>
#include <cstddef>

// Storage for the rows one insertion creates: one allocation for many rows instead of one
// each. Every row holds a reference to its block, and so does the creator while it fills it;
// the block is freed with the last reference, which may be a row that outlives its model.
// The references of all its rows are counted when it is created, so that taking a row costs
// no atomic operation.
class ObjectListRowBlock
{
public:
    // Rows per block: a row that stays pins no more than this many rows' memory.
    static constexpr int maximumRows = 256;

    // Room for rows (at most maximumRows) of slotSize bytes each, all of which the caller
    // takes; the caller holds a reference until it is done.
    static ObjectListRowBlock *create(int rows, std::size_t slotSize);
    ObjectListRowBlock(const ObjectListRowBlock &) = delete;
    ObjectListRowBlock &operator=(const ObjectListRowBlock &) = delete;

    // Storage for the next row, which holds a reference from then on.
    void *take();
    // Drops one reference; any thread may drop the last one.
    void release();

private:
    ObjectListRowBlock(int rows, std::size_t slotSize);
    ~ObjectListRowBlock() = default;
    unsigned char *storage();

    std::atomic<int> m_references;
    int m_rows;
    int m_taken = 0;
    std::size_t m_slotSize;
};
