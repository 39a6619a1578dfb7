// Undoing the last Apply or Restore: every value the undo record names is
// put back exactly (its type and bytes, or removed where the change set a
// value that was not there), then the settings file that was in place.
//
// An undo is a change like the others: before it writes, what it replaces
// is recorded in its turn, with its time. Undoing once more therefore
// takes the undo back, and the state in the status bar knows that Windows
// must restart for the values put back.
#pragma once

#include <string>
#include <vector>

#include "core/tuning/UndoRecord.h"
#include "platform/FileSystem.h"
#include "platform/Registry.h"

namespace quintel {

struct UndoResult {
    // Why nothing was undone: no record, not one this program wrote, or
    // the undo itself could not be recorded.
    std::string Problem;
    UnixSeconds ChangedAt = 0;  // of the change that was undone
    std::size_t ValuesPutBack = 0;
    bool SettingsPutBack = false;
    // One line for each value or file that could not be put back.
    std::vector<std::string> FailureLines;

    bool Succeeded() const { return Problem.empty() && FailureLines.empty(); }
};

// Puts back what the record holds, recording first what it replaces at
// `now`. When something could not be put back, the record read stays (put
// back in place of the undo's own), so that the undo can be tried again.
UndoResult UndoLastChange(FileSystem& files, Registry& registry, const UndoFiles& where,
                          UnixSeconds now);

}  // namespace quintel
