# What a 32-bit Windows build checks of every program it links: that the program
# loads on Windows 95 and NT 4 (scripts/check-imports against win95-imports.txt and
# program-imports.txt). The check is part of the build, so a program that would
# not load there fails it; new programs are found by themselves. The list of
# programs is also written to programs.txt for `make sizes`.

# The executables defined in `dir` and below, test programs left out.
function(vx_programs_below dir out)
    set(programs)
    get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
    foreach(target ${targets})
        get_target_property(type ${target} TYPE)
        get_target_property(test ${target} VX_TEST_PROGRAM)
        if(type STREQUAL "EXECUTABLE" AND NOT test)
            list(APPEND programs ${target})
        endif()
    endforeach()
    get_property(subdirectories DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
    foreach(subdirectory ${subdirectories})
        vx_programs_below(${subdirectory} more)
        list(APPEND programs ${more})
    endforeach()
    set(${out} ${programs} PARENT_SCOPE)
endfunction()

function(vx_program_checks)
    vx_programs_below(${PROJECT_SOURCE_DIR} programs)
    if(NOT programs)
        return()
    endif()
    set(files)
    foreach(program ${programs})
        list(APPEND files $<TARGET_FILE:${program}>)
    endforeach()
    file(GENERATE OUTPUT ${PROJECT_BINARY_DIR}/programs.txt CONTENT "$<JOIN:${files},\n>\n")
    add_custom_target(import_check ALL
        COMMAND sh ${PROJECT_SOURCE_DIR}/scripts/check-imports ${files}
        DEPENDS ${programs}
        COMMENT "Checking that the programs load on Windows 95 and NT 4"
        VERBATIM)
endfunction()
