// What the driver's parts share and tests have no need of.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Driver.h"

namespace quintel::gui::detail {

// Reports a non-fatal test failure at the caller's line.
void Fail(const Where& where, const std::string& message);

std::wstring ClassName(HWND window);
// "Button \"&Yes\"", naming a window in failure messages.
std::string Describe(HWND window);

// Compares a caption as a user reads it: mnemonic ampersands aside.
bool SameCaption(std::wstring_view shown, std::wstring_view wanted);

// Sends a message that only asks the control something. A control that
// does not answer within a few seconds is hung: reported, nullopt.
std::optional<LRESULT> Query(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                             const Where& where);

// Sends a message that acts, as a user's input would cause it. Returns
// once the target has handled it, or once handling it has opened a modal
// window of the target's thread (a message box, a dialog, a popup menu):
// handling ends only when that window closes, which is the test's to do.
// Fails naming `what` when neither happens in time.
bool SendAsUser(HWND window, UINT message, WPARAM wParam, LPARAM lParam, const std::string& what,
                const Where& where);

// A user can act on a control only while it and its window are visible
// and enabled; reports which of these is not so.
bool CanOperate(HWND control, const std::string& action, const Where& where);

// The visible top-level windows of one thread.
std::vector<HWND> VisibleWindowsOfThread(DWORD thread);

}  // namespace quintel::gui::detail
