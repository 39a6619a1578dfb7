# Delay import libraries for Windows' DLLs: a program linked against them
# loads such a DLL only when it first calls one of its functions, so the
# switches, which need only kernel32 and advapi32, never load the window
# DLLs. The functions are resolved by src/win32/DelayLoad.cpp, which each
# program linking them must list among its own sources (a library's copy
# would come too late in the link, after the runtime's own).
#
#     quintel_delay_import_libraries(libs user32 gdi32)   # libs: the files
function(quintel_delay_import_libraries out)
    find_program(QUINTEL_NM NAMES i686-w64-mingw32-nm REQUIRED)
    find_program(QUINTEL_DLLTOOL NAMES i686-w64-mingw32-dlltool REQUIRED)
    find_program(QUINTEL_OBJCOPY NAMES i686-w64-mingw32-objcopy REQUIRED)
    set(script ${PROJECT_SOURCE_DIR}/tools/make-delay-lib.sh)
    set(libs)
    foreach(dll IN LISTS ARGN)
        find_library(QUINTEL_IMPORT_LIB_${dll} NAMES lib${dll}.a REQUIRED)
        set(lib ${CMAKE_BINARY_DIR}/delay-imports/lib${dll}_delay.a)
        add_custom_command(OUTPUT ${lib}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/delay-imports
            COMMAND sh ${script} ${QUINTEL_NM} ${QUINTEL_DLLTOOL} ${QUINTEL_OBJCOPY}
                    ${QUINTEL_IMPORT_LIB_${dll}} ${dll}.dll ${lib}
            DEPENDS ${script} ${QUINTEL_IMPORT_LIB_${dll}}
            COMMENT "Delay import library for ${dll}.dll")
        list(APPEND libs ${lib})
    endforeach()
    add_custom_target(quintel_delay_imports DEPENDS ${libs})
    set(${out} ${libs} PARENT_SCOPE)
endfunction()
