#include "core/trace/Trace.h"

#include <algorithm>

namespace quintel {

void Trace::Mark(const std::string& name) {
    if (!clock_) return;
    entries_.push_back({name, clock_->Microseconds(), 0, depth_});
}

void Trace::StepSince(const std::string& name, std::int64_t start) {
    if (!clock_) return;
    const std::int64_t now = clock_->Microseconds();
    entries_.push_back({name, start, std::max<std::int64_t>(now - start, 0), depth_});
}

std::size_t Trace::Begin(const std::string& name) {
    if (!clock_) return 0;
    entries_.push_back({name, clock_->Microseconds(), 0, depth_});
    ++depth_;
    return entries_.size() - 1;
}

void Trace::End(std::size_t entry) {
    if (!clock_ || entry >= entries_.size()) return;
    --depth_;
    TraceEntry& step = entries_[entry];
    // A clock that stood still still gives a step, of no length.
    step.Duration = std::max<std::int64_t>(clock_->Microseconds() - step.Start, 0);
}

std::string Trace::Text() const {
    std::string text;
    for (const TraceEntry& e : entries_) {
        text += std::to_string(e.Start) + "\t" + std::to_string(e.Duration) + "\t" +
                std::string(static_cast<std::size_t>(e.Depth) * 2, ' ') + e.Name + "\r\n";
    }
    return text;
}

TraceStep::TraceStep(Trace& trace, const std::string& name) : trace_(&trace) {
    entry_ = trace_->Begin(name);
}

TraceStep::TraceStep(Trace* trace, const char* name) : trace_(trace) {
    if (trace_ && trace_->On()) entry_ = trace_->Begin(name);
}

TraceStep::~TraceStep() {
    if (trace_) trace_->End(entry_);
}

std::vector<TraceEntry> LargestSteps(const std::vector<TraceEntry>& entries, std::size_t count) {
    std::vector<TraceEntry> steps;
    for (const TraceEntry& e : entries)
        if (e.Duration > 0) steps.push_back(e);
    std::stable_sort(steps.begin(), steps.end(),
                     [](const TraceEntry& a, const TraceEntry& b) { return a.Duration > b.Duration; });
    if (steps.size() > count) steps.resize(count);
    return steps;
}

FileResult<> SaveTrace(const Trace& trace, FileSystem& files, const std::string& path) {
    if (!trace.On()) return {};
    return files.ReplaceFileContents(path, trace.Text());
}

}  // namespace quintel
