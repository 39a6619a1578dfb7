// Linked into Quintel.exe and Korvet.exe only. The C++ runtime's default
// terminate handler prints the type of an uncaught exception to standard
// error, which these windows programs do not have, and to spell the type
// it links the runtime's name demangler and, through it, the whole of
// MinGW's printf and strtod: more than half of Korvet.exe. The programs
// catch every exception at their entry points, so the names are never
// needed; this stands in for the demangler and answers as it does for a
// name it cannot read (the handler then prints the raw name).
#include <cstddef>

extern "C" char* __cxa_demangle(const char*, char*, std::size_t*, int* status) {
    if (status) *status = -2;  // not a valid mangled name
    return nullptr;
}
