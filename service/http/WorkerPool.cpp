#include "WorkerPool.h"

#include <chrono>

namespace service {

WorkerPool::WorkerPool(int threads, int maxQueued)
    : m_maxQueued(maxQueued)
{
    for (int i = 0; i < threads; ++i)
        m_threads.emplace_back([this] { work(); });
}

WorkerPool::~WorkerPool()
{
    stop(0);
    for (std::thread &thread : m_threads) {
        // A job that outlived the grace time is left to end with the process.
        if (thread.joinable())
            thread.detach();
    }
}

void WorkerPool::post(Job job)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_stopping && int(m_queue.size()) < m_maxQueued) {
            m_queue.push_back(std::move(job));
            m_wake.notify_one();
            return;
        }
    }
    job(false);
}

void WorkerPool::work()
{
    for (;;) {
        Job job;
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            m_wake.wait(lock, [this] { return m_stopping || !m_queue.empty(); });
            if (m_stopping)
                return;
            job = std::move(m_queue.front());
            m_queue.pop_front();
            ++m_running;
        }
        job(true);
        std::lock_guard<std::mutex> lock(m_mutex);
        --m_running;
        m_idle.notify_all();
    }
}

bool WorkerPool::stop(int graceMs)
{
    std::deque<Job> refused;
    bool finished = false;
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_stopping = true;
        refused.swap(m_queue);
        m_wake.notify_all();
        finished = m_idle.wait_for(
            lock, std::chrono::milliseconds(graceMs), [this] { return m_running == 0; });
    }
    for (Job &job : refused)
        job(false);
    if (finished) {
        for (std::thread &thread : m_threads) {
            if (thread.joinable())
                thread.join();
        }
    }
    return finished;
}

} // namespace service
