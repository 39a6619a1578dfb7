// Background work that waits for the test: each job's work and then its
// completion run when the test steps them, as the thread and the window's
// message loop would, in between whatever else the test does.
#pragma once

#include <deque>
#include <functional>

#include "platform/Background.h"

namespace quintel::test {

class FakeBackgroundWork : public BackgroundWork {
public:
    bool fails = false;  // no thread can be started
    int started = 0;

    Result<> Run(std::function<void()> work, std::function<void()> done) override {
        if (fails) return SystemError{8, "Not enough memory resources are available to process this command."};
        ++started;
        jobs_.push_back({std::move(work), std::move(done)});
        return {};
    }

    int Pending() const { return static_cast<int>(jobs_.size()); }
    // The oldest job, work and completion; false when none is waiting.
    bool Step() {
        if (jobs_.empty()) return false;
        Job job = std::move(jobs_.front());
        jobs_.pop_front();
        if (job.work) job.work();
        if (job.done) job.done();
        return true;
    }
    // Every job, including those the completions start; at most `limit`.
    int RunAll(int limit = 100) {
        int steps = 0;
        while (steps < limit && Step()) ++steps;
        return steps;
    }

private:
    struct Job {
        std::function<void()> work;
        std::function<void()> done;
    };
    std::deque<Job> jobs_;
};

}  // namespace quintel::test
