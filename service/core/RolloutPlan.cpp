#include "RolloutPlan.h"

#include <algorithm>
#include <cmath>

namespace service {

QVector<int> RolloutPlan::groupSizes(int total, const QVector<int> &percents)
{
    QVector<int> sizes;
    int left = total;
    for (int percent : percents) {
        if (left <= 0)
            break;
        const int size = std::max(1, int(std::lround(total * double(percent) / 100.0)));
        sizes.append(std::min(size, left));
        left -= sizes.last();
    }
    if (left > 0)
        sizes.append(left);
    return sizes;
}

RolloutPlan::Step RolloutPlan::next(
    const QVector<Counts> &started, bool more, const Thresholds &thresholds)
{
    // Failures in any group sent so far stop the rollout, also those that come in late.
    for (const Counts &group : started) {
        if (group.total() > 0 && group.failed * 100 >= thresholds.errorPercent * group.total())
            return Step::Stop;
    }
    if (started.isEmpty())
        return Step::Stay;
    const Counts &current = started.last();
    if (!more) {
        const bool open = std::any_of(started.begin(), started.end(),
            [](const Counts &group) { return group.pending + group.running > 0; });
        return open ? Step::Stay : Step::Finish;
    }
    if (current.completed * 100 < thresholds.successPercent * current.total())
        return Step::Stay;
    return thresholds.automatic ? Step::StartNextGroup : Step::WaitForApproval;
}

} // namespace service
