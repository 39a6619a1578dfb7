// The three calls of the ICMP library as the echo uses them, so a test can
// stand between the program and the library and see what is asked of it.
#pragma once

#include <windows.h>
#include <ipexport.h>

namespace quintel::win32 {

using IcmpCreateFileFn = HANDLE(WINAPI*)();
using IcmpSendEchoFn = DWORD(WINAPI*)(HANDLE icmp, IPAddr address, LPVOID request,
                                      WORD requestSize, PIP_OPTION_INFORMATION options,
                                      LPVOID reply, DWORD replySize, DWORD timeout);
using IcmpCloseHandleFn = BOOL(WINAPI*)(HANDLE icmp);

struct IcmpCalls {
    IcmpCreateFileFn create = nullptr;
    IcmpSendEchoFn send = nullptr;
    IcmpCloseHandleFn close = nullptr;
};

}  // namespace quintel::win32
