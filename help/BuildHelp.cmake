# Compiles the user's guide with chmcmd, in a copy of its sources inside the
# build folder (chmcmd writes next to the project file), and puts the result
# where Quintel.exe looks for it. Run by help/CMakeLists.txt:
#
#   cmake -DCHMCMD=... -DSOURCE_DIR=... -DFILES=a.htm,b.htm,... -DWORK_DIR=... \
#         -DOUTPUT=.../Help.chm -P BuildHelp.cmake
#
# chmcmd can report a problem and still exit with 0, and can leave a broken
# file behind when it stops, so its messages are read as well: any warning,
# error or exception fails the build.

foreach(var CHMCMD SOURCE_DIR FILES WORK_DIR OUTPUT)
    if(NOT DEFINED ${var} OR "${${var}}" STREQUAL "")
        message(FATAL_ERROR "BuildHelp.cmake: ${var} is not set")
    endif()
endforeach()

string(REPLACE "," ";" FILES "${FILES}")
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
foreach(name IN LISTS FILES)
    if(NOT EXISTS "${SOURCE_DIR}/${name}")
        message(FATAL_ERROR "BuildHelp.cmake: ${SOURCE_DIR}/${name} does not exist")
    endif()
    file(COPY "${SOURCE_DIR}/${name}" DESTINATION "${WORK_DIR}")
endforeach()

execute_process(
    COMMAND "${CHMCMD}" Help.hhp
    WORKING_DIRECTORY "${WORK_DIR}"
    RESULT_VARIABLE result
    OUTPUT_VARIABLE out
    ERROR_VARIABLE err)
set(messages "${out}${err}")

if(NOT result EQUAL 0)
    message(FATAL_ERROR "chmcmd failed (exit code ${result}):\n${messages}")
endif()
string(REGEX MATCHALL "[^\n]*(Warning|Error|error|Can't|exception|not found|does not exist)[^\n]*"
       complaints "${messages}")
if(complaints)
    list(JOIN complaints "\n" complaints)
    message(FATAL_ERROR "chmcmd reported problems in the user's guide:\n${complaints}")
endif()

set(built "${WORK_DIR}/Help.chm")
if(NOT EXISTS "${built}")
    message(FATAL_ERROR "chmcmd wrote no ${built}:\n${messages}")
endif()
# A compiled help file starts with the signature "ITSF".
file(READ "${built}" signature LIMIT 4 HEX)
if(NOT signature STREQUAL "49545346")
    message(FATAL_ERROR "${built} is not a compiled help file (its first bytes are ${signature})")
endif()

get_filename_component(output_dir "${OUTPUT}" DIRECTORY)
file(MAKE_DIRECTORY "${output_dir}")
file(REMOVE "${OUTPUT}")
file(RENAME "${built}" "${OUTPUT}")
