#include "win32/TrayRecord.h"

#include <algorithm>
#include <cstddef>

namespace quintel::win32 {

#if !defined(_WIN64)
// The first form of the record ends with its 64-character tip at byte 88.
static_assert(offsetof(NOTIFYICONDATAA, szTip) + 64 == FirstRecordSize);
#endif

NOTIFYICONDATAA TrayRecord(const TrayIconInfo& icon) {
    NOTIFYICONDATAA record{};
    record.cbSize = FirstRecordSize;
    record.hWnd = reinterpret_cast<HWND>(icon.Window);
    record.uID = TrayIconId;
    record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    record.uCallbackMessage = TrayCallbackMessage;
    record.hIcon = reinterpret_cast<HICON>(icon.Icon);
    // The first form's tip field: 64 characters, the zero included.
    constexpr std::size_t TipCapacity = 64;
    static_assert(sizeof record.szTip >= TipCapacity);
    const std::size_t length = std::min(icon.Tip.size(), TipCapacity - 1);
    std::copy_n(icon.Tip.begin(), length, record.szTip);
    return record;
}

std::optional<TrayEvent> TrayEventOf(UINT mouseMessage) {
    switch (mouseMessage) {
    case WM_LBUTTONUP:
        return TrayEvent::LeftClick;
    case WM_LBUTTONDBLCLK:
        return TrayEvent::DoubleClick;
    case WM_RBUTTONUP:
        return TrayEvent::RightClick;
    default:
        return std::nullopt;
    }
}

}  // namespace quintel::win32
