// Registry files as Windows' own registry editor writes and imports them:
// "REGEDIT4" in the ANSI code page on Windows 95, 98 and ME, "Windows
// Registry Editor Version 5.00" in UTF-16 (little-endian, with its byte
// order mark) on the NT family. Every value is written so that importing
// the file puts back exactly its type and bytes: a DWORD as dword:, clean
// text as a quoted string, anything else as hex(N): with its bytes, and a
// value that should not exist as "Name"=-.
//
// The reader takes back exactly what the writer writes and refuses
// anything else with the reason: a file read back to put the registry
// back must not be guessed at.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/system/WindowsFamily.h"
#include "platform/Registry.h"
#include "platform/Result.h"

namespace quintel {

enum class RegFileFlavour {
    Regedit4,  // Windows 95, 98, ME: ANSI text
    Version5,  // NT: UTF-16LE text
};

RegFileFlavour RegFileFlavourFor(const WindowsFamily& family);

// One value under HKEY_LOCAL_MACHINE: what it holds, or nothing for a
// value that is to be removed. An empty name is the key's default value.
struct RegFileEntry {
    std::string Key;
    std::string ValueName;
    std::optional<RegValue> Value;
};

struct RegFileContents {
    RegFileFlavour Flavour = RegFileFlavour::Version5;
    // Comment lines after the header, without their "; ", which the
    // editor skips on import.
    std::vector<std::string> Comments;
    // In file order; the values of one key stand together under it.
    std::vector<RegFileEntry> Entries;
};

struct RegFileProblem {
    int Line = 0;  // 0 when it concerns no line of a file
    std::string Reason;
};

// The file's bytes. Fails, naming the entry, when a key or value name
// holds characters the editor cannot take back unchanged (anything but
// printable ASCII), or, in the NT form, when a text value holds
// characters outside ASCII: the editor would store them converted.
Result<std::string, RegFileProblem> FormatRegFile(const RegFileContents& contents);

// Reads a file FormatRegFile wrote; any other text is refused with the
// line and what is wrong there.
Result<RegFileContents, RegFileProblem> ParseRegFile(const std::string& bytes);

}  // namespace quintel
