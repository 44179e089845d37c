#pragma once

#include <QtGlobal>

namespace service {

// Caps the size of one list answer, so that rows carrying large texts (a task's data is
// repeated in each of its tickets) cannot make one call hold gigabytes. Rows beyond the cap are
// left for the next page ("skip").
class AnswerBudget
{
public:
    static constexpr qint64 maxBytes = 64LL * 1024 * 1024;

    // Counts a row with this many characters of text; false once the answer is full.
    bool fits(qint64 textCharacters)
    {
        constexpr qint64 rowOverhead = 512;
        m_used += textCharacters * 2 + rowOverhead;
        return m_used <= maxBytes;
    }

private:
    qint64 m_used = 0;
};

} // namespace service
