#include "app/BatchWorkers.h"

BatchWorkers::BatchWorkers(int count, const ControlFactory& makeControl)
{
    for (int i = 0; i < count; ++i) {
        auto worker = std::make_unique<Worker>();
        worker->ownControl = makeControl();
        worker->control = worker->ownControl.get();
        workers_.push_back(std::move(worker));
    }
    // Started only once every control exists, so that a factory that throws leaves no thread.
    for (auto& worker : workers_)
        worker->thread = std::thread([this, w = worker.get()] { Serve(*w); });
}

BatchWorkers::BatchWorkers(IImagingControl& control)
{
    auto worker = std::make_unique<Worker>();
    worker->control = &control;
    workers_.push_back(std::move(worker));
}

BatchWorkers::~BatchWorkers()
{
    for (auto& worker : workers_) {
        if (!worker->thread.joinable())
            continue;
        {
            const std::lock_guard lock(worker->mutex);
            worker->stopping = true;
        }
        worker->wake.notify_one();
        worker->thread.join();
    }
}

void BatchWorkers::Post(int worker, Task task, int token)
{
    Worker& w = *workers_.at(static_cast<std::size_t>(worker));
    if (!w.thread.joinable()) {
        task(*w.control);
        Ended(token);
        return;
    }
    {
        const std::lock_guard lock(w.mutex);
        w.tasks.emplace_back(std::move(task), token);
    }
    w.wake.notify_one();
}

std::optional<int> BatchWorkers::WaitEnded(std::chrono::milliseconds timeout)
{
    std::unique_lock lock(endedMutex_);
    if (!endedWake_.wait_for(lock, timeout, [this] { return !ended_.empty(); }))
        return std::nullopt;
    const int token = ended_.front();
    ended_.pop_front();
    return token;
}

void BatchWorkers::Serve(Worker& worker)
{
    for (;;) {
        std::pair<Task, int> next;
        {
            std::unique_lock lock(worker.mutex);
            worker.wake.wait(lock, [&worker] { return worker.stopping || !worker.tasks.empty(); });
            // Tasks already given still run: their files are promised to the user.
            if (worker.tasks.empty())
                return;
            next = std::move(worker.tasks.front());
            worker.tasks.pop_front();
        }
        next.first(*worker.control);
        Ended(next.second);
    }
}

void BatchWorkers::Ended(int token)
{
    {
        const std::lock_guard lock(endedMutex_);
        ended_.push_back(token);
    }
    endedWake_.notify_one();
}
