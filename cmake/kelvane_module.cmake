# One call per area builds its libraries and tests from the files it lists:
#   SOURCES    -> core library NAME (standard C++ only, no Qt)
#   TESTS      -> one GoogleTest program NAME_tests (label "unit")
#   UI_SOURCES -> Qt Widgets library NAME_ui on top of the core
#   UI_TESTS   -> one Qt Test program per file (label "gui")
#   FUZZ       -> one libFuzzer program per source file (KELVANE_FUZZ only); headers listed
#                 there are helpers the programs share
# Paths are relative to DIR. DEPS are core libraries, UI_DEPS further libraries of the UI
# layer, LIBS external libraries of the core. Tests of the core link NAME, GTest and kv_testing
# (fakes, temporary folders).

set(KELVANE_TEST_HOME ${CMAKE_BINARY_DIR}/test-home)
# Qt wants its runtime folder to exist and to be private.
file(MAKE_DIRECTORY ${KELVANE_TEST_HOME}/run)
file(CHMOD ${KELVANE_TEST_HOME}/run DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)

# Tests never see the real user's files or settings.
function(kv_test_environment test_names)
    set_tests_properties(${test_names} PROPERTIES ENVIRONMENT
        "HOME=${KELVANE_TEST_HOME};XDG_CONFIG_HOME=${KELVANE_TEST_HOME}/.config;XDG_DATA_HOME=${KELVANE_TEST_HOME}/.local/share;XDG_CACHE_HOME=${KELVANE_TEST_HOME}/.cache;XDG_RUNTIME_DIR=${KELVANE_TEST_HOME}/run;QT_QPA_PLATFORM=offscreen;TZ=UTC")
endfunction()

# Test programs are built with light optimisation whatever the build type: they take far longer
# to compile at -O3 than they ever run, and the benchmarks, not the tests, measure speed.
function(kv_test_program target)
    target_compile_options(${target} PRIVATE $<$<CONFIG:Release,RelWithDebInfo>:-O1>)
endfunction()

function(kv_prefix_paths out dir)
    set(result "")
    foreach(file ${ARGN})
        list(APPEND result ${dir}/${file})
    endforeach()
    set(${out} ${result} PARENT_SCOPE)
endfunction()

function(kv_module NAME)
    cmake_parse_arguments(KV "" "DIR" "DEPS;UI_DEPS;LIBS;SOURCES;TESTS;UI_SOURCES;UI_TESTS;FUZZ" ${ARGN})
    set(dir ${CMAKE_SOURCE_DIR}/${KV_DIR})

    kv_prefix_paths(core_sources ${dir} ${KV_SOURCES})
    if(core_sources)
        add_library(${NAME} STATIC ${core_sources})
        target_include_directories(${NAME} PUBLIC ${CMAKE_SOURCE_DIR})
        target_link_libraries(${NAME} PUBLIC ${KV_DEPS} ${KV_LIBS})
    else()
        add_library(${NAME} INTERFACE)
        target_include_directories(${NAME} INTERFACE ${CMAKE_SOURCE_DIR})
        target_link_libraries(${NAME} INTERFACE ${KV_DEPS} ${KV_LIBS})
    endif()

    if(KELVANE_TESTS AND NOT KELVANE_FUZZ AND KV_TESTS)
        kv_prefix_paths(test_sources ${dir} ${KV_TESTS})
        add_executable(${NAME}_tests ${test_sources})
        kv_test_program(${NAME}_tests)
        # kv_gtest_main points HOME and the XDG folders at a fresh temporary folder.
        target_link_libraries(${NAME}_tests PRIVATE ${NAME} kv_testing kv_gtest_main GTest::gtest GTest::gmock)
        set_target_properties(${NAME}_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
        gtest_discover_tests(${NAME}_tests DISCOVERY_TIMEOUT 60 NO_PRETTY_VALUES PROPERTIES LABELS unit)
    endif()

    if(KELVANE_WITH_UI AND NOT KELVANE_FUZZ AND KV_UI_SOURCES)
        # A UI layer stands on the UI layers it names: one that is not there is a mistake in
        # the build files, not something to paper over with another library.
        foreach(dep ${KV_UI_DEPS})
            if(dep MATCHES "^kv_.*_ui$" AND NOT TARGET ${dep})
                message(FATAL_ERROR "${NAME}_ui names the UI library ${dep}, which does not exist")
            endif()
        endforeach()
        kv_prefix_paths(ui_sources ${dir} ${KV_UI_SOURCES})
        add_library(${NAME}_ui STATIC ${ui_sources})
        set_target_properties(${NAME}_ui PROPERTIES AUTOMOC ON AUTORCC ON)
        target_link_libraries(${NAME}_ui PUBLIC ${NAME} ${KV_UI_DEPS} Qt6::Widgets)
        if(KELVANE_TESTS)
            foreach(file ${KV_UI_TESTS})
                get_filename_component(test_name ${file} NAME_WE)
                # Both programs have a CMainFrame: the second test of a name gets its area's.
                if(TARGET ${test_name})
                    set(test_name ${NAME}_${test_name})
                endif()
                add_executable(${test_name} ${dir}/${file})
                kv_test_program(${test_name})
                set_target_properties(${test_name} PROPERTIES AUTOMOC ON
                    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
                target_link_libraries(${test_name} PRIVATE ${NAME}_ui kv_testing Qt6::Test)
                add_test(NAME ${test_name} COMMAND ${test_name})
                kv_test_environment(${test_name})
                set_tests_properties(${test_name} PROPERTIES LABELS gui TIMEOUT 120)
            endforeach()
        endif()
    endif()

    if(KELVANE_FUZZ)
        foreach(file ${KV_FUZZ})
            if(file MATCHES "\\.h$")
                continue()
            endif()
            get_filename_component(fuzz_name ${file} NAME_WE)
            add_executable(${fuzz_name} ${dir}/${file})
            target_link_libraries(${fuzz_name} PRIVATE ${NAME})
            target_link_options(${fuzz_name} PRIVATE -fsanitize=fuzzer)
            set_target_properties(${fuzz_name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
        endforeach()
    endif()
endfunction()
