# The Windows build: Quintel.exe, Korvet.exe and what ships with them, made
# by MinGW-w64 for 32-bit x86 with the win32 thread model. Its runtime
# calls only what Windows 95 to XP have; the posix model's threads library
# imports GetTickCount64, which would keep the programs from loading on XP.
# The test programs, which need std::mutex, are built by
# mingw-i686-posix.cmake (tests/CMakeLists.txt).
set(QUINTEL_MINGW_THREADS win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-i686-common.cmake)
