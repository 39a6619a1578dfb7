// The start-up profile: when each step of loading began and how long it
// took, kept only when a clock is given (QUINTEL_TRACE=1 in the
// environment), so an ordinary start pays one test per step.
//
//     TraceStep step(trace, "form FrmMain created");   // timed until scope end
//     trace.Mark("message loop");                      // a moment, no length
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Stopwatch.h"
#include "platform/FileSystem.h"

namespace quintel {

struct TraceEntry {
    std::string Name;
    std::int64_t Start = 0;     // microseconds since the process began
    std::int64_t Duration = 0;  // microseconds; 0 for a mark
    int Depth = 0;              // steps open around it
};

class Trace {
public:
    // Without a clock nothing is recorded.
    explicit Trace(Stopwatch* clock = nullptr) : clock_(clock) {}
    Trace(const Trace&) = delete;
    Trace& operator=(const Trace&) = delete;

    bool On() const { return clock_ != nullptr; }
    void Mark(const std::string& name);
    // A step that ends now and began at `start` (microseconds since the
    // process began): what happened before the trace existed, such as
    // loading the program and its DLLs.
    void StepSince(const std::string& name, std::int64_t start);

    // The entries in the order their steps began.
    const std::vector<TraceEntry>& Entries() const { return entries_; }
    // One line per entry: start and length in microseconds, then the
    // name indented by its depth, tab-separated.
    std::string Text() const;

private:
    friend class TraceStep;
    std::size_t Begin(const std::string& name);
    void End(std::size_t entry);

    Stopwatch* clock_;
    std::vector<TraceEntry> entries_;
    int depth_ = 0;
};

// Times one step from its construction to its end of scope.
class TraceStep {
public:
    TraceStep(Trace& trace, const std::string& name);
    // No step at all without a trace: for code that is profiled only when
    // its caller passes the trace down.
    TraceStep(Trace* trace, const char* name);
    ~TraceStep();
    TraceStep(const TraceStep&) = delete;
    TraceStep& operator=(const TraceStep&) = delete;

private:
    Trace* trace_;
    std::size_t entry_ = 0;
};

// The largest `count` steps (marks left out), longest first; a step
// keeps its place among equals.
std::vector<TraceEntry> LargestSteps(const std::vector<TraceEntry>& entries, std::size_t count);

// Replaces the file at `path` with the trace's text; nothing when the
// trace is off.
FileResult<> SaveTrace(const Trace& trace, FileSystem& files, const std::string& path);

}  // namespace quintel
