#include "ElapsedTimer.h"

qint64 ElapsedTimer::elapsed() const
{
    // QElapsedTimer gives an overflowing difference before it is started.
    return m_timer.isValid() ? m_timer.elapsed() : -1;
}
