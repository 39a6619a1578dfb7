#include "core/tuning/UndoChange.h"

#include "core/tuning/ChangePlan.h"
#include "core/tuning/RegFunctions.h"

namespace quintel {

namespace {

// Key access for removing a value only (KEY_SET_VALUE).
constexpr std::uint32_t SetValueAccess = 0x0002;

std::string Named(const RegFileEntry& entry) {
    return ValuePathText(entry.Key, entry.ValueName);
}

// The registry's reason when the value could not be put back; empty when
// it holds what the record says.
std::string PutBack(Registry& registry, const RegFileEntry& entry) {
    if (entry.Value) {
        const Result<RegKey> key = registry.CreateKey(RegRoot::LocalMachine, entry.Key, WriterKeyAccess);
        if (!key) return key.Error().Text;
        const Result<> set = registry.SetValue(key.Value(), entry.ValueName, entry.Value->type,
                                               entry.Value->data);
        (void)registry.CloseKey(key.Value());
        return set ? std::string() : set.Error().Text;
    }
    // Not there before: without its key it is not there now either.
    const Result<RegKey> key = registry.OpenKeyEx(RegRoot::LocalMachine, entry.Key, SetValueAccess);
    if (!key) return key.Code() == regcode::FileNotFound ? std::string() : key.Error().Text;
    const Result<> removed = registry.DeleteValue(key.Value(), entry.ValueName);
    (void)registry.CloseKey(key.Value());
    return removed || removed.Code() == regcode::FileNotFound ? std::string() : removed.Error().Text;
}

// What the undo is about to replace, as a change plan for RecordUndo.
ChangePlan WhatTheUndoReplaces(Registry& registry, const UndoRecord& undo) {
    ChangePlan plan;
    HeldKeys keys(registry, KeyUse::Read);
    for (const RegFileEntry& entry : undo.Values) {
        PlannedValue value;
        value.Key = entry.Key;
        value.ValueName = entry.ValueName;
        value.Now = keys.Read(entry.Key, entry.ValueName, value.NowProblem);
        value.After = entry.Value;
        plan.push_back(std::move(value));
    }
    return plan;
}

}  // namespace

UndoResult UndoLastChange(FileSystem& files, Registry& registry, const UndoFiles& where,
                          UnixSeconds now) {
    UndoResult result;
    auto record = ReadUndoRecord(files, where);
    if (!record) {
        result.Problem = record.Error();
        return result;
    }
    const UndoRecord& undo = record.Value();
    result.ChangedAt = undo.ChangedAt;

    const ChangePlan replaced = WhatTheUndoReplaces(registry, undo);
    if (const auto recorded = RecordUndo(files, where, replaced, undo.Flavour, now); !recorded) {
        result.Problem = recorded.Error();
        return result;
    }

    for (std::size_t i = 0; i < undo.Values.size(); ++i) {
        const RegFileEntry& entry = undo.Values[i];
        // A value that holds what it held before (an apply that could not
        // write it) needs no write, which might be refused again.
        if (replaced[i].NowProblem.empty() && !replaced[i].Changes()) {
            ++result.ValuesPutBack;
            continue;
        }
        const std::string failure = PutBack(registry, entry);
        if (failure.empty()) {
            ++result.ValuesPutBack;
        } else {
            result.FailureLines.push_back("could not put back " + Named(entry) + ": " + failure);
        }
    }

    if (!undo.SettingsProblem.empty()) {
        result.FailureLines.push_back("could not put back " + where.Settings + ": " +
                                      undo.SettingsProblem);
    } else if (undo.Settings) {
        if (const auto written = files.ReplaceFileContents(where.Settings, *undo.Settings); written) {
            result.SettingsPutBack = true;
        } else {
            result.FailureLines.push_back("could not put back " + where.Settings + ": " +
                                          written.Error().reason);
        }
    } else if (const auto removed = files.RemoveFile(where.Settings); removed) {
        // There was no settings file before the change.
        result.SettingsPutBack = true;
    } else {
        result.FailureLines.push_back("could not remove " + where.Settings +
                                      ", which the change made: " + removed.Error().reason);
    }

    if (result.FailureLines.empty()) return result;
    // The record of the change stays for another try: the values already
    // back are put back again then, which changes nothing.
    if (undo.Settings) {
        if (const auto copy = files.ReplaceFileContents(where.SettingsCopy, *undo.Settings); !copy) {
            result.FailureLines.push_back("could not keep " + where.SettingsCopy + " for another try: " +
                                          copy.Error().reason);
        }
    }
    if (const auto kept = files.ReplaceFileContents(where.Record, undo.Text); !kept) {
        result.FailureLines.push_back("could not keep " + where.Record + " for another try: " +
                                      kept.Error().reason);
    }
    return result;
}

}  // namespace quintel
