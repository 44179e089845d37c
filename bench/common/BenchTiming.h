#pragma once

// Timing shared by the benchmarks: wall-clock and processor time of a run, and their medians.
// The machine may be shared, so processor time is the cost compared: it does not grow while the
// process waits for a core.
#include <QElapsedTimer>

#include <algorithm>
#include <ctime>
#include <functional>
#include <vector>

struct BenchTiming
{
    double wall = 0; // milliseconds
    double cpu = 0; // milliseconds
    int points = 0; // what the run produced, where it counts something

    static BenchTiming of(const std::function<int()> &run)
    {
        QElapsedTimer timer;
        const std::clock_t cpuStart = std::clock();
        timer.start();
        const int points = run();
        return { timer.nsecsElapsed() / 1e6,
            1000.0 * double(std::clock() - cpuStart) / CLOCKS_PER_SEC, points };
    }

    static BenchTiming median(const std::vector<BenchTiming> &timings)
    {
        std::vector<double> wall, cpu;
        for (const BenchTiming &timing : timings) {
            wall.push_back(timing.wall);
            cpu.push_back(timing.cpu);
        }
        std::sort(wall.begin(), wall.end());
        std::sort(cpu.begin(), cpu.end());
        return { wall[wall.size() / 2], cpu[cpu.size() / 2], timings.back().points };
    }
};
