#pragma once

#include <QVector>

namespace service {

// How a staged rollout moves on: its states, how its devices split into groups, and what the
// counts of the groups started so far decide.
class RolloutPlan
{
public:
    enum class State {
        Running = 0,
        WaitingForApproval = 1,
        Paused = 2,
        Stopped = 3, // the error threshold was reached
        Finished = 4,
        Aborted = 5,
    };

    struct Counts
    {
        int pending = 0;
        int running = 0;
        int completed = 0;
        int canceled = 0;
        int failed = 0;
        int total() const { return pending + running + completed + canceled + failed; }
    };

    enum class Step {
        Stay,
        Stop,
        StartNextGroup,
        WaitForApproval,
        Finish,
    };

    struct Thresholds
    {
        int successPercent = 90;
        int errorPercent = 10;
        bool automatic = true;
    };

    // Group sizes for total devices: one group per percentage (at least one device each while
    // devices remain), the last group takes the rest. Every device is in exactly one group.
    static QVector<int> groupSizes(int total, const QVector<int> &percents);

    // started holds the counts of every group started so far, the current one last; more tells
    // whether a later group exists.
    static Step next(const QVector<Counts> &started, bool more, const Thresholds &thresholds);

    static bool isClosed(State state)
    {
        return state == State::Stopped || state == State::Finished || state == State::Aborted;
    }
};

} // namespace service
