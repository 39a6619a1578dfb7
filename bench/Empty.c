/* A program built as Quintel.exe is, with its process manifest, that does
 * nothing: what starting and ending any such program costs under Wine,
 * the floor under the /apply figure (Wine's regedit is one of Wine's own
 * programs, which it starts faster). It imports kernel32 and CRTDLL only,
 * as Quintel.exe's switches do. */
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR arguments, int show) {
    (void)instance;
    (void)previous;
    (void)arguments;
    (void)show;
    return 0;
}
