// Shows the demo form until it is closed; "/dialog" shows only its dialog.
#include <windows.h>

#include <cstring>
#include <exception>

#include "win32/view/Win32FormHost.h"
#include "win32/view/demo/DemoForm.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    try {
        quintel::win32::Win32FormHost host(instance);
        if (std::strstr(commandLine, "/dialog")) {
            quintel::win32::demo::DemoDialog dialog(host);
            dialog.Show(true);
            return 0;
        }
        quintel::win32::demo::DemoForm form(host);
        form.Show();
        return host.RunMessageLoop();
    } catch (const std::exception& e) {
        MessageBoxA(nullptr, e.what(), "Quintel view demo", MB_OK | MB_ICONERROR);
    }
    return 3;
}
