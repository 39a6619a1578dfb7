// The notification area's record and messages: Shell_NotifyIconA with the
// first, 88-byte form of NOTIFYICONDATAA, which every Windows from 95 on
// takes, and the mouse messages the shell reports for the icon.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <optional>

#include "platform/NotifyArea.h"

namespace quintel::win32 {

// The message the icon's notifications arrive with at its window: one of
// the program's own (WM_APP + 0x51), so the pointer moving over the window
// is never taken for a click on the icon.
constexpr UINT TrayCallbackMessage = WM_APP + 0x51;

// The window's one icon.
constexpr UINT TrayIconId = 1;

// The size of the first form of the record, the one with a 64-character
// tip.
constexpr DWORD FirstRecordSize = 88;

// The record for `icon`, with its callback message, picture and tip; the
// tip cut to the 63 characters the record holds before its closing zero.
NOTIFYICONDATAA TrayRecord(const TrayIconInfo& icon);

// What a mouse message over the icon means to the program: a left button
// released or double-clicked, a right button released. Nothing for the
// rest (moves, buttons pressed).
std::optional<TrayEvent> TrayEventOf(UINT mouseMessage);

}  // namespace quintel::win32
