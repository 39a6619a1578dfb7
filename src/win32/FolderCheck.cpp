#include "win32/FolderCheck.h"

#include <windows.h>

#include <vector>

#include "core/system/ProgramFolder.h"

namespace quintel::win32 {

namespace {

std::wstring Widen(const std::string& text, UINT codePage) {
    const int length = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()),
                                           nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 0), L'\0');
    if (length > 0) {
        MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                            length);
    }
    return wide;
}

std::string Utf8(const std::wstring& text) {
    const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                           nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
    if (length > 0) {
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), narrow.data(),
                            length, nullptr, nullptr);
    }
    return narrow;
}

std::wstring FolderOf(const std::wstring& path) {
    const auto slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(0, slash);
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(0, slash);
}

}  // namespace

std::optional<UnusableFolder> CheckApplicationFolder() {
    std::vector<wchar_t> wide(32768);
    const DWORD wideLength =
        GetModuleFileNameW(nullptr, wide.data(), static_cast<DWORD>(wide.size()));
    if (wideLength == 0) return std::nullopt;  // Windows 9x: ANSI is all there is
    std::vector<char> ansi(MAX_PATH + 1);
    const DWORD ansiLength = GetModuleFileNameA(nullptr, ansi.data(), MAX_PATH);

    const std::wstring real(wide.data(), wideLength);
    const std::string asAnsi(ansi.data(), ansiLength);
    // Letters the code page lacks come back as "?" or as a look-alike
    // ("best fit"); either way the ANSI path read back is not the real one.
    if (Widen(asAnsi, CP_ACP) == real) return std::nullopt;
    return UnusableFolder{FolderOf(asAnsi), Utf8(FolderOf(real))};
}

void ShowUnusableFolder(const UnusableFolder& folder) {
    const std::wstring text = Widen(UnusableFolderMessage(folder.utf8), CP_UTF8);
    MessageBoxW(nullptr, text.c_str(), L"Quintel", MB_OK | MB_ICONERROR);
}

}  // namespace quintel::win32
