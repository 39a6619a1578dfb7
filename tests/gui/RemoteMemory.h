// Memory in the process that owns a window, for the control messages
// whose structures Wine passes on as plain pointers: a pointer into the
// driver's own memory means nothing to the control.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

#include "Driver.h"

namespace quintel::gui::detail {

class RemoteMemory {
public:
    // `size` bytes in the process of `window`; false when that fails
    // (reported at `where`).
    RemoteMemory(HWND window, size_t size, const Where& where);
    ~RemoteMemory();
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;

    explicit operator bool() const { return address_ != nullptr; }
    // The address of `offset` as the other process sees it, for lParam
    // and for pointers inside the structures.
    LPARAM At(size_t offset = 0) const;
    bool Write(size_t offset, const void* data, size_t size);
    bool Read(size_t offset, void* data, size_t size);
    // A string of at most `chars` wide characters, up to its terminator.
    std::wstring ReadString(size_t offset, size_t chars);

private:
    HANDLE process_ = nullptr;
    void* address_ = nullptr;
    size_t size_ = 0;
    Where where_;
};

}  // namespace quintel::gui::detail
