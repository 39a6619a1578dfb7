// Reads the built user's guide the way Windows' help viewer does, through
// the InfoTech storage reader (itss.dll), and compares it with its sources:
// every file of the help project must come back with the same bytes, nothing
// else may have slipped in, and the #SYSTEM record must name the contents
// file, the index, the first page and the title the project gives.
//
//     ReadHelpFile.exe <Help.chm> <folder of Help.hhp>
//
// Paths may be Unix paths (they are mapped to Wine's drive Z:). Exit code 0
// when the file reads back as expected, 1 with one line per problem on
// standard error otherwise.
#include <windows.h>
#include <objbase.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "HelpProject.h"

// The reader's entry point. MinGW-w64 has no header for it, so the
// interface is declared here as far as it is used; the order of the methods
// is that of the interface itself. It stays outside the anonymous namespace:
// there the compiler would know that no class of this program implements it
// and take every call through it for unreachable.
const CLSID ClsidITStorage = {0x5d02926a, 0x212e, 0x11d0, {0x9d, 0xf9, 0x00, 0xa0, 0xc9, 0x22, 0xe6, 0xec}};
const IID IidITStorage = {0x88cc31de, 0x27ab, 0x11d0, {0x9d, 0xf9, 0x00, 0xa0, 0xc9, 0x22, 0xe6, 0xec}};

struct IITStorage : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE StgCreateDocfile(const WCHAR*, DWORD, DWORD, IStorage**) = 0;
    virtual HRESULT STDMETHODCALLTYPE StgCreateDocfileOnILockBytes(ILockBytes*, DWORD, DWORD,
                                                                   IStorage**) = 0;
    virtual HRESULT STDMETHODCALLTYPE StgIsStorageFile(const WCHAR*) = 0;
    virtual HRESULT STDMETHODCALLTYPE StgIsStorageILockBytes(ILockBytes*) = 0;
    virtual HRESULT STDMETHODCALLTYPE StgOpenStorage(const WCHAR*, IStorage*, DWORD, SNB, DWORD,
                                                     IStorage**) = 0;
};

namespace {

template <typename T>
class ComPtr {
public:
    ComPtr() = default;
    ~ComPtr() {
        if (p_) p_->Release();
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    T** out() { return &p_; }
    T* operator->() const { return p_; }
    T* get() const { return p_; }

private:
    T* p_ = nullptr;
};

std::vector<std::string> problems;

void Problem(const std::string& text) {
    problems.push_back(text);
}

std::string WindowsPath(const std::string& path) {
    if (path.empty() || path[0] != '/') return path;
    std::string windows = "Z:" + path;
    for (char& c : windows) {
        if (c == '/') c = '\\';
    }
    return windows;
}

std::wstring Wide(const std::string& text) {
    const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    std::wstring wide(length > 0 ? length - 1 : 0, L'\0');
    if (length > 1) MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), length);
    return wide;
}

std::string Narrow(const wchar_t* text) {
    const int length = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string narrow(length > 0 ? length - 1 : 0, '\0');
    if (length > 1) WideCharToMultiByte(CP_ACP, 0, text, -1, narrow.data(), length, nullptr, nullptr);
    return narrow;
}

std::string Hex(HRESULT hr) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(hr));
    return text;
}

bool ReadSource(const std::string& path, std::string& contents) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    contents.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

using quintel::help::HelpProject;
using quintel::help::Lower;

bool ReadProject(const std::string& path, HelpProject& project) {
    std::string text;
    if (!ReadSource(path, text)) {
        Problem("cannot read the help project " + path);
        return false;
    }
    project = quintel::help::ParseHelpProject(text);
    if (project.files.empty()) Problem("the help project lists no files: " + path);
    return true;
}

bool ReadStream(IStorage* storage, const std::string& name, std::string& contents) {
    ComPtr<IStream> stream;
    const HRESULT hr = storage->OpenStream(Wide(name).c_str(), nullptr,
                                           STGM_READ | STGM_SHARE_EXCLUSIVE, 0, stream.out());
    if (FAILED(hr)) {
        Problem(name + ": not readable in the help file (" + Hex(hr) + ")");
        return false;
    }
    contents.clear();
    char buffer[4096];
    for (;;) {
        ULONG got = 0;
        const HRESULT read = stream->Read(buffer, sizeof buffer, &got);
        if (FAILED(read)) {
            Problem(name + ": reading failed (" + Hex(read) + ")");
            return false;
        }
        contents.append(buffer, got);
        if (got == 0) return true;
    }
}

// The top-level entries of the help file: name and whether it is a folder.
std::map<std::string, bool> ListEntries(IStorage* storage) {
    std::map<std::string, bool> entries;
    ComPtr<IEnumSTATSTG> list;
    const HRESULT hr = storage->EnumElements(0, nullptr, 0, list.out());
    if (FAILED(hr)) {
        Problem("cannot list the help file's contents (" + Hex(hr) + ")");
        return entries;
    }
    STATSTG entry;
    ULONG fetched = 0;
    while (list->Next(1, &entry, &fetched) == S_OK && fetched == 1) {
        entries[Narrow(entry.pwcsName)] = entry.type == STGTY_STORAGE;
        CoTaskMemFree(entry.pwcsName);
    }
    return entries;
}

// The compiler's own records and the full-text search data: #SYSTEM,
// $WWKeywordLinks/ and the like.
bool IsInternalEntry(const std::string& name) {
    return !name.empty() && (name[0] == '#' || name[0] == '$' || name.rfind("_#_", 0) == 0);
}

void CompareFile(IStorage* storage, const std::string& sourceFolder, const std::string& name) {
    std::string expected, actual;
    if (!ReadSource(sourceFolder + "\\" + name, expected)) {
        Problem(name + ": the source file cannot be read");
        return;
    }
    if (!ReadStream(storage, name, actual)) return;
    if (actual == expected) return;
    std::size_t at = 0;
    while (at < actual.size() && at < expected.size() && actual[at] == expected[at]) ++at;
    Problem(name + ": differs from its source at byte " + std::to_string(at) + " (" +
            std::to_string(actual.size()) + " bytes in the help file, " +
            std::to_string(expected.size()) + " in the source)");
}

// #SYSTEM: a version number, then records of a 16-bit code, a 16-bit
// length and that many bytes. The viewer finds the contents, the index and
// the first page here.
std::map<int, std::string> SystemRecords(const std::string& data) {
    std::map<int, std::string> records;
    std::size_t at = 4;
    auto word = [&data](std::size_t offset) {
        return static_cast<int>(static_cast<unsigned char>(data[offset]) |
                                static_cast<unsigned char>(data[offset + 1]) << 8);
    };
    while (at + 4 <= data.size()) {
        const int code = word(at);
        const std::size_t length = static_cast<std::size_t>(word(at + 2));
        at += 4;
        if (at + length > data.size()) {
            Problem("#SYSTEM: record " + std::to_string(code) + " runs past the end");
            break;
        }
        std::string value = data.substr(at, length);
        const auto end = value.find('\0');
        if (end != std::string::npos) value.resize(end);
        records[code] = value;
        at += length;
    }
    return records;
}

void CheckSystemRecord(const std::map<int, std::string>& records, int code, const char* what,
                       const std::string& expected) {
    const auto found = records.find(code);
    if (found == records.end()) {
        Problem(std::string("#SYSTEM names no ") + what + " (expected " + expected + ")");
    } else if (Lower(found->second) != Lower(expected)) {
        Problem(std::string("#SYSTEM names ") + what + " \"" + found->second + "\", expected \"" +
                expected + "\"");
    }
}

int Check(const std::string& chmPath, const std::string& sourceFolder) {
    HelpProject project;
    if (!ReadProject(sourceFolder + "\\Help.hhp", project)) return 1;
    const std::string contentsFile = project.options["contents file"];
    const std::string indexFile = project.options["index file"];
    if (contentsFile.empty()) Problem("the help project names no contents file");
    if (indexFile.empty()) Problem("the help project names no index file");

    std::set<std::string> expected(project.files.begin(), project.files.end());
    if (!contentsFile.empty()) expected.insert(contentsFile);
    if (!indexFile.empty()) expected.insert(indexFile);

    ComPtr<IITStorage> reader;
    HRESULT hr = CoCreateInstance(ClsidITStorage, nullptr, CLSCTX_INPROC_SERVER, IidITStorage,
                                  reinterpret_cast<void**>(reader.out()));
    if (FAILED(hr)) {
        Problem("the InfoTech storage reader is not available (" + Hex(hr) + ")");
        return 1;
    }
    ComPtr<IStorage> help;
    hr = reader->StgOpenStorage(Wide(chmPath).c_str(), nullptr, STGM_READ | STGM_SHARE_DENY_WRITE,
                                nullptr, 0, help.out());
    if (FAILED(hr)) {
        Problem(chmPath + " does not open as a compiled help file (" + Hex(hr) + ")");
        return 1;
    }

    const std::map<std::string, bool> entries = ListEntries(help.get());
    std::map<std::string, std::string> byLowerName;  // the help file ignores case
    for (const auto& [name, folder] : entries) {
        if (IsInternalEntry(name)) continue;
        if (folder) {
            Problem(name + "/: a folder the help project does not have");
            continue;
        }
        byLowerName[Lower(name)] = name;
    }
    std::set<std::string> expectedLower;
    for (const std::string& name : expected) expectedLower.insert(Lower(name));
    for (const auto& [lower, name] : byLowerName) {
        if (!expectedLower.count(lower)) Problem(name + ": in the help file but not in the project");
    }
    for (const std::string& name : expected) {
        if (!byLowerName.count(Lower(name))) Problem(name + ": missing from the help file");
        else CompareFile(help.get(), sourceFolder, name);
    }

    std::string system;
    if (ReadStream(help.get(), "#SYSTEM", system)) {
        const std::map<int, std::string> records = SystemRecords(system);
        CheckSystemRecord(records, 0, "contents file", contentsFile);
        CheckSystemRecord(records, 1, "index file", indexFile);
        CheckSystemRecord(records, 2, "first page", project.options["default topic"]);
        CheckSystemRecord(records, 3, "title", project.options["title"]);
    }

    if (!problems.empty()) return 1;
    std::printf("%s: %u files read back unchanged; contents %s, index %s, first page %s\n",
                chmPath.c_str(), static_cast<unsigned>(expected.size()), contentsFile.c_str(),
                indexFile.c_str(), project.options["default topic"].c_str());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: ReadHelpFile <Help.chm> <folder of Help.hhp>\n");
        return 2;
    }
    const HRESULT hr = CoInitialize(nullptr);
    if (FAILED(hr)) {
        std::fprintf(stderr, "ReadHelpFile: COM does not start (%s)\n", Hex(hr).c_str());
        return 1;
    }
    const int result = Check(WindowsPath(argv[1]), WindowsPath(argv[2]));
    CoUninitialize();
    for (const std::string& problem : problems) {
        std::fprintf(stderr, "ReadHelpFile: %s\n", problem.c_str());
    }
    return result;
}
