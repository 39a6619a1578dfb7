# QUINTEL_GTEST_SOURCE_DIR: GoogleTest's source tree, which the Windows
# test programs build with their own compiler. Debian ships it as sources
# in /usr/src/googletest (package googletest, which libgtest-dev brings);
# another tree is given with -DQUINTEL_GTEST_SOURCE_DIR=/path/to/googletest.
find_path(QUINTEL_GTEST_SOURCE_DIR
    NAMES googletest/src/gtest-all.cc
    PATHS /usr/src /usr/local/src
    PATH_SUFFIXES googletest
    NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH
    DOC "GoogleTest's source tree (the folder holding googletest/ and CMakeLists.txt)")
if(NOT EXISTS "${QUINTEL_GTEST_SOURCE_DIR}/googletest/src/gtest-all.cc"
   OR NOT EXISTS "${QUINTEL_GTEST_SOURCE_DIR}/CMakeLists.txt")
    message(FATAL_ERROR
        "GoogleTest's sources were not found (QUINTEL_GTEST_SOURCE_DIR is "
        "\"${QUINTEL_GTEST_SOURCE_DIR}\"). Install the Debian package googletest "
        "(libgtest-dev brings it; tools/install-deps.sh installs it), or give the "
        "folder that holds googletest/ and CMakeLists.txt with "
        "-DQUINTEL_GTEST_SOURCE_DIR=<folder>.")
endif()
