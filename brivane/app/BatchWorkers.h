#pragma once
// The threads a batch converts on. Each worker owns an imaging control and runs the tasks given
// to it one after another; the batch collects, on its own thread, which tasks have ended.

#include "imaging/ImagingControl.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

using ControlFactory = std::function<std::unique_ptr<IImagingControl>()>;

class BatchWorkers {
public:
    using Task = std::function<void(IImagingControl&)>;

    // `count` threads, each with a control made by `makeControl` on the caller's thread.
    BatchWorkers(int count, const ControlFactory& makeControl);
    // No thread: every task runs at once on the caller's thread, with `control`.
    explicit BatchWorkers(IImagingControl& control);
    // Lets the tasks already given end, then stops the threads.
    ~BatchWorkers();

    BatchWorkers(const BatchWorkers&) = delete;
    BatchWorkers& operator=(const BatchWorkers&) = delete;

    int Count() const { return static_cast<int>(workers_.size()); }

    // Runs `task` on worker `worker` after the tasks given to it before; `token` is handed back
    // by WaitEnded once the task has ended. A task must not throw.
    void Post(int worker, Task task, int token);

    // The token of a task that has ended, oldest first; nullopt after `timeout` without one.
    std::optional<int> WaitEnded(std::chrono::milliseconds timeout);

private:
    struct Worker {
        std::unique_ptr<IImagingControl> ownControl;
        IImagingControl* control = nullptr;
        std::mutex mutex;
        std::condition_variable wake;
        std::deque<std::pair<Task, int>> tasks;
        bool stopping = false;
        std::thread thread;  // not started for the caller's-thread worker
    };

    void Serve(Worker& worker);
    void Ended(int token);

    std::vector<std::unique_ptr<Worker>> workers_;
    std::mutex endedMutex_;
    std::condition_variable endedWake_;
    std::deque<int> ended_;
};
