// Linked into each shipped program that uses the delay-loaded DLLs (see
// cmake/DelayImports.cmake): the resolver the linker's stubs call the
// first time a function of such a DLL is used. It stands in for the
// runtime's own, which loads the DLL by its bare name, so a planted copy
// in the application folder or the current folder would be taken; this
// one loads it from the system folder only, or, for the common controls,
// from the side-by-side store the active activation context names.
//
// The DLL's handle and the function's slot are written without locking,
// though a worker thread (the MTU finder's) may make a DLL's first call:
// should it race the window's thread there, both write the same aligned
// pointer, and a DLL loaded twice only has its reference count raised.
#include <windows.h>
#include <delayimp.h>

#include <cstring>

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace {

BYTE* ImageBase() { return reinterpret_cast<BYTE*>(&__ImageBase); }

template <typename T>
T* Address(const ImgDelayDescr& descriptor, DWORD value) {
    // Descriptors made for VC 6 held addresses; every later one holds RVAs.
    if (descriptor.grAttrs & dlattrRva) return reinterpret_cast<T*>(ImageBase() + value);
    return reinterpret_cast<T*>(static_cast<UINT_PTR>(value));
}

// True when the thread's active activation context redirects `name` to an
// assembly of the side-by-side store (the common controls 6 of the
// windows' context). FindActCtxSectionStringA came with Windows XP.
bool RedirectedByActivationContext(const char* name) {
    using Find = BOOL(WINAPI*)(DWORD, const GUID*, ULONG, LPCSTR, PACTCTX_SECTION_KEYED_DATA);
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    const auto find = kernel ? reinterpret_cast<Find>(
                                   reinterpret_cast<void*>(GetProcAddress(kernel, "FindActCtxSectionStringA")))
                             : nullptr;
    if (!find) return false;
    ACTCTX_SECTION_KEYED_DATA data{};
    data.cbSize = sizeof data;
    return find(0, nullptr, ACTIVATION_CONTEXT_SECTION_DLL_REDIRECTION, name, &data) != FALSE;
}

HMODULE LoadFromSystem(const char* name) {
    // The side-by-side store answers before any folder is searched.
    if (RedirectedByActivationContext(name)) return LoadLibraryA(name);
    char path[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryA(path, MAX_PATH);
    const std::size_t nameLength = std::strlen(name);
    if (length == 0 || length + 1 + nameLength >= MAX_PATH) return nullptr;
    path[length] = '\\';
    std::memcpy(path + length + 1, name, nameLength + 1);
    return LoadLibraryA(path);
}

// As the runtime's resolver fails: an exception of the delay-load codes,
// which ends the program. Windows' own DLLs are always there, so only a
// damaged system gets here.
[[noreturn]] void Fail(DWORD error) {
    RaiseException(VcppException(ERROR_SEVERITY_ERROR, error), 0, 0, nullptr);
    ExitProcess(3);
}

}  // namespace

extern "C" FARPROC WINAPI __delayLoadHelper2(PCImgDelayDescr descriptor, FARPROC* slot) {
    const char* dll = Address<const char>(*descriptor, descriptor->rvaDLLName);
    HMODULE* handle = Address<HMODULE>(*descriptor, descriptor->rvaHmod);
    auto* functions = Address<FARPROC>(*descriptor, descriptor->rvaIAT);
    auto* names = Address<IMAGE_THUNK_DATA>(*descriptor, descriptor->rvaINT);

    if (!*handle) {
        *handle = LoadFromSystem(dll);
        if (!*handle) Fail(ERROR_MOD_NOT_FOUND);
    }
    const IMAGE_THUNK_DATA& entry = names[slot - functions];
    FARPROC function = nullptr;
    if (IMAGE_SNAP_BY_ORDINAL(entry.u1.Ordinal)) {
        function = GetProcAddress(*handle, MAKEINTRESOURCEA(IMAGE_ORDINAL(entry.u1.Ordinal)));
    } else {
        const auto* byName = Address<IMAGE_IMPORT_BY_NAME>(*descriptor, static_cast<DWORD>(entry.u1.AddressOfData));
        function = GetProcAddress(*handle, reinterpret_cast<const char*>(byName->Name));
    }
    if (!function) Fail(ERROR_PROC_NOT_FOUND);
    *slot = function;
    return function;
}
