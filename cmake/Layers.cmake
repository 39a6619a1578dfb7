# The program is built in layers that depend one way:
#     platform  <-  core  <-  ui  <-  win32
# Each layer is a library whose include root holds that layer alone, so
# a layer reaches only the layers it links: "core/..." from ui compiles,
# "ui/..." from core does not. The root is a folder in the build with one
# link in it, named for the layer and pointing at its sources; that keeps
# every include spelled with its layer ("core/tuning/SettingsFile.h").
#
#     quintel_layer(<target> <layer>)
# is called from the layer's own folder (src/<layer>).
function(quintel_layer target layer)
    set(root ${CMAKE_BINARY_DIR}/layers/${layer})
    file(MAKE_DIRECTORY ${root})
    if(NOT IS_SYMLINK ${root}/${layer})
        file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${layer} SYMBOLIC)
    endif()
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "INTERFACE_LIBRARY")
        target_include_directories(${target} INTERFACE ${root})
    else()
        target_include_directories(${target} PUBLIC ${root})
    endif()
endfunction()
