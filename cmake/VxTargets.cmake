# Project-wide helpers for libraries, programs and tests.

function(vx_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow
        -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual)
    if(VX_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()

# vx_shipped_code(target): the target's sources cannot use file streams,
# std::filesystem or iostreams (cmake/shipped-code.h says why). Sources under a
# host/ folder never reach a Windows program and are left out.
function(vx_shipped_code target)
    get_target_property(sources ${target} SOURCES)
    foreach(source ${sources})
        get_filename_component(path ${source} ABSOLUTE)
        file(RELATIVE_PATH path ${PROJECT_SOURCE_DIR} ${path})
        if(path MATCHES "\\.cpp$" AND NOT path MATCHES "(^|/)host/")
            set_property(SOURCE ${source} APPEND PROPERTY COMPILE_OPTIONS
                -include ${PROJECT_SOURCE_DIR}/cmake/shipped-code.h)
        endif()
    endforeach()
endfunction()

# vx_library(name SOURCES ... [DEPS ...])
function(vx_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_DEPS})
    vx_warnings(${name})
    vx_shipped_code(${name})
endfunction()

# vx_test(name SOURCES ... [DEPS ...]): one GoogleTest program registered with CTest.
# Cross builds run under the emulator that the preset names (wine64 for win64).
function(vx_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest_main)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
    target_compile_definitions(${name} PRIVATE VX_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
    vx_warnings(${name})
    if(WIN32)
        set_target_properties(${name} PROPERTIES SUFFIX ".exe")
    endif()
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES TIMEOUT 300)
    # Test programs do not ship: the checks of the programs leave them out.
    set_target_properties(${name} PROPERTIES VX_TEST_PROGRAM TRUE)
endfunction()

# vx_gui_program(name SOURCES ... [DEPS ...]): a windowed program on Windows.
function(vx_gui_program name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_DEPS})
    vx_warnings(${name})
    vx_shipped_code(${name})
    if(WIN32)
        target_link_options(${name} PRIVATE -mwindows)
    endif()
endfunction()

# vx_version_resource(target DESCRIPTION): gives a Windows program the product's
# version resource (the project version, 4.0.0.1), which its web links report.
function(vx_version_resource target description)
    if(NOT WIN32)
        return()
    endif()
    set(VX_RC_NAME ${target})
    set(VX_RC_DESCRIPTION "${description}")
    set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}-version.rc)
    configure_file(${PROJECT_SOURCE_DIR}/cmake/VersionResource.rc.in ${rc} @ONLY)
    target_sources(${target} PRIVATE ${rc})
endfunction()
