# One fuzz target per reader of outside input: tests/fuzz/fuzz_NAME.cpp,
# with its seed corpus in tests/fuzz/corpus/NAME/. A new reader (the wall
# group's messages: fuzz_wallgroup.cpp) joins by adding those two.
#
# With WALLTEST_FUZZ, in a clang build folder of its own, each target is a
# libFuzzer executable under the address and undefined-behaviour
# sanitizers, our libraries instrumented for coverage. Without it each
# target is linked to a small driver that replays its corpus once, as an
# ordinary test.
option(WALLTEST_FUZZ "Build the libFuzzer targets (needs clang)" OFF)
file(GLOB WALLTEST_FUZZ_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/fuzz/fuzz_*.cpp)
set(fuzz_sanitizers -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)

if(WALLTEST_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "WALLTEST_FUZZ needs clang: -DCMAKE_CXX_COMPILER=clang++")
    endif()
    get_property(libraries DIRECTORY ${CMAKE_SOURCE_DIR} PROPERTY BUILDSYSTEM_TARGETS)
    foreach(library ${libraries})
        get_target_property(type ${library} TYPE)
        if(type STREQUAL "STATIC_LIBRARY")
            target_compile_options(${library} PRIVATE -fsanitize=fuzzer-no-link ${fuzz_sanitizers})
        endif()
    endforeach()
    add_custom_target(fuzz_targets)
endif()

foreach(source ${WALLTEST_FUZZ_SOURCES})
    get_filename_component(target ${source} NAME_WE)
    string(REPLACE "fuzz_" "" name ${target})
    if(WALLTEST_FUZZ)
        add_executable(${target} ${source})
        target_compile_options(${target} PRIVATE -fsanitize=fuzzer ${fuzz_sanitizers})
        target_link_options(${target} PRIVATE -fsanitize=fuzzer ${fuzz_sanitizers})
        add_dependencies(fuzz_targets ${target})
    else()
        add_executable(${target} ${source} ${CMAKE_SOURCE_DIR}/tests/fuzz/replay.cpp)
        add_test(NAME fuzz_replay_${name} COMMAND ${target} ${CMAKE_SOURCE_DIR}/tests/fuzz/corpus/${name})
        # The panel lives to the end of the run, and with it what fontconfig keeps.
        set_tests_properties(fuzz_replay_${name} PROPERTIES LABELS fuzz TIMEOUT 120 ENVIRONMENT
            "QT_QPA_PLATFORM=offscreen;LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/fuzz/lsan.supp")
    endif()
    target_link_libraries(${target} PRIVATE walltest_drivers)
    target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR}/tests/fuzz)
endforeach()
