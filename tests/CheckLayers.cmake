# Checks that includes run one way between the program's folders, from the
# top (app) down to the ground (controls, conversions), that inside controls
# the form behaviour stands on the raster and both on the interface headers
# at controls' root (never the other way), that no Qt header
# is included outside the Qt backend, its test driver and the benchmarks, and
# no emscripten header outside the browser backend and its tests.
#   cmake -DSOURCE_DIR=<repository> -P CheckLayers.cmake

cmake_minimum_required(VERSION 3.25)

set(allowed_controls controls)
set(allowed_controls/raster controls controls/raster)
set(allowed_controls/form controls controls/raster controls/form)
set(allowed_conversions conversions)
set(allowed_geometry geometry)
set(allowed_window window controls conversions geometry)
set(allowed_board board window controls conversions geometry)
set(allowed_calculation calculation window controls conversions geometry)
set(allowed_app app board calculation window controls conversions geometry resources)
set(toolkit_allowed controls controls/raster controls/form)
set(allowed_controls/qt ${toolkit_allowed})
set(allowed_controls/win32 ${toolkit_allowed} resources)
set(allowed_controls/web ${toolkit_allowed})

set(failures "")
foreach(folder controls controls/raster controls/form conversions geometry window board calculation app
        controls/qt controls/win32 controls/web)
    file(GLOB sources "${SOURCE_DIR}/${folder}/*.h" "${SOURCE_DIR}/${folder}/*.cpp")
    foreach(source ${sources})
        file(STRINGS "${source}" includes REGEX "^#include \"[^\"]+\"")
        foreach(line ${includes})
            string(REGEX REPLACE "^#include \"([^\"]+)/[^/\"]+\".*" "\\1" included "${line}")
            if(included STREQUAL line)
                continue()
            endif()
            # A toolkit's folder may include its own files.
            if(included STREQUAL folder)
                continue()
            endif()
            # Above controls, any of its parts may be used; inside it, the
            # part itself is the layer.
            string(REGEX REPLACE "/.*" "" included_layer "${included}")
            if(folder MATCHES "^controls")
                set(included_layer "${included}")
            endif()
            if(NOT included_layer IN_LIST allowed_${folder} OR included MATCHES "^controls/(qt|win32|web)")
                list(APPEND failures "${source}: ${line}")
            endif()
        endforeach()
    endforeach()
endforeach()

# Build folders are left out, whatever their name (Debian's package build
# makes obj-ARCH): they hold generated code, and a Wine prefix's drive links
# to the whole machine.
file(GLOB top_entries RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*")
set(all_sources "")
foreach(entry ${top_entries})
    if(IS_DIRECTORY "${SOURCE_DIR}/${entry}" AND NOT entry MATCHES "^(build|\\.)"
       AND NOT EXISTS "${SOURCE_DIR}/${entry}/CMakeCache.txt")
        file(GLOB_RECURSE sources "${SOURCE_DIR}/${entry}/*.h" "${SOURCE_DIR}/${entry}/*.cpp")
        list(APPEND all_sources ${sources})
    endif()
endforeach()
foreach(source ${all_sources})
    file(RELATIVE_PATH relative "${SOURCE_DIR}" "${source}")
    if(relative MATCHES "^(controls/qt|tests/qt|bench)/")
        continue()
    endif()
    file(STRINGS "${source}" qt_includes REGEX "^#include <Q")
    if(qt_includes)
        list(APPEND failures "${relative}: includes Qt")
    endif()
    file(STRINGS "${source}" emscripten_includes REGEX "^#include <emscripten/")
    if(emscripten_includes AND NOT relative MATCHES "^(controls/web|tests/web)/")
        list(APPEND failures "${relative}: includes emscripten")
    endif()
endforeach()

if(failures)
    list(JOIN failures "\n" report)
    message(FATAL_ERROR "Includes that run the wrong way:\n${report}")
endif()
