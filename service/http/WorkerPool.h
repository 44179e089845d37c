#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace service {

// Threads that run service calls. A job learns whether it may run: when the queue is full or
// the pool is stopping it is called with false, so that its caller can refuse it at once
// rather than leave a client waiting.
class WorkerPool
{
public:
    using Job = std::function<void(bool run)>;

    WorkerPool(int threads, int maxQueued);
    ~WorkerPool();

    WorkerPool(const WorkerPool &) = delete;
    WorkerPool &operator=(const WorkerPool &) = delete;

    void post(Job job);
    // Refuses what waits, lets running jobs finish for up to the given time; false when some
    // were still running.
    bool stop(int graceMs);

private:
    void work();

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::deque<Job> m_queue;
    std::vector<std::thread> m_threads;
    int m_maxQueued;
    int m_running = 0;
    bool m_stopping = false;
};

} // namespace service
