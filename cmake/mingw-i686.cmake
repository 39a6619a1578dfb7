# The Windows build: Quintel.exe, Korvet.exe and what ships with them, made
# by MinGW-w64 for 32-bit x86 with the win32 thread model. Its runtime
# calls only what Windows 95 to XP have; the posix model's threads library
# imports GetTickCount64, which would keep the programs from loading on XP.
# The test programs, which need std::mutex, are built by
# mingw-i686-posix.cmake (tests/CMakeLists.txt).
set(QUINTEL_MINGW_THREADS win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-i686-common.cmake)

# The runtime those programs link statically, built for the i486 by
# tools/runtime/build-runtime.sh (make runtime): the compiler driver takes
# its start-up files and libraries from there before its own, and links
# CRTDLL.DLL, which every Windows 95 and NT has, for MSVCRT.DLL.
if(NOT QUINTEL_RUNTIME OR NOT EXISTS ${QUINTEL_RUNTIME}/libgcc.a)
    message(FATAL_ERROR "QUINTEL_RUNTIME must name the i486 runtime (make runtime builds it)")
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES QUINTEL_RUNTIME)
string(APPEND CMAKE_EXE_LINKER_FLAGS_INIT " -B${QUINTEL_RUNTIME}/")
string(APPEND CMAKE_SHARED_LINKER_FLAGS_INIT " -B${QUINTEL_RUNTIME}/")

# What ships is optimised across the whole program at link time: the
# compiler sees every caller of each function, inlines or drops what only
# one place uses, and merges what the layers' small files repeat. That
# makes Quintel.exe about a quarter smaller. The libraries hold the
# compiler's intermediate code only, so their archives are written by the
# compiler's own ar, which indexes that code. One partition: GCC 12 stops
# with an internal error on this program when it splits the work.
# -Oz: GCC 12's smallest code.
# No run-time type information: nothing asks a type its name. The stack
# kept at the 4-byte alignment Windows itself keeps on x86, instead of
# realigning it for the SSE code this program does not have.
# The flags are set whole: CMake would add its own -Os after anything
# appended to its initial value.
set(CMAKE_CXX_FLAGS_MINSIZEREL
    "-Oz -DNDEBUG -ffunction-sections -fdata-sections -flto -fno-rtti -mpreferred-stack-boundary=2"
    CACHE STRING "Flags of what ships" FORCE)
string(APPEND CMAKE_EXE_LINKER_FLAGS_INIT " -flto -flto-partition=one")
string(APPEND CMAKE_SHARED_LINKER_FLAGS_INIT " -flto -flto-partition=one")
set(CMAKE_AR i686-w64-mingw32-gcc-ar-${QUINTEL_MINGW_THREADS})
set(CMAKE_RANLIB i686-w64-mingw32-gcc-ranlib-${QUINTEL_MINGW_THREADS})
# The compiler's intermediate code names a function of a DLL by its own
# name, not by its import slot, and the linker would take that name from
# the import libraries the compiler driver and CMake add by default, beside
# the delay import libraries of the same functions (cmake/DelayImports.cmake).
# So the default Windows libraries are left out (-nolibc keeps the runtime's
# own), and each program names the DLLs it links.
string(APPEND CMAKE_EXE_LINKER_FLAGS_INIT " -nolibc")
string(APPEND CMAKE_SHARED_LINKER_FLAGS_INIT " -nolibc")
set(CMAKE_CXX_STANDARD_LIBRARIES "-ladvapi32 -lkernel32" CACHE STRING
    "Windows libraries every program links" FORCE)
