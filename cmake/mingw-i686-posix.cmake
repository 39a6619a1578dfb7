# The Windows test programs: MinGW-w64 for 32-bit x86 with the posix thread
# model. GoogleTest needs std::mutex, which GCC 12's win32 model lacks;
# winpthread is linked statically, so no DLL follows. Nothing that ships is
# built with it (mingw-i686.cmake).
set(QUINTEL_MINGW_THREADS posix)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-i686-common.cmake)
# The test programs need no symbols.
string(APPEND CMAKE_EXE_LINKER_FLAGS_INIT " -s")
