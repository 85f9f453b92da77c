# One call per area builds its libraries and tests from the folder layout:
#   DIR/*.cpp            -> core library NAME (standard C++ only, no Qt)
#   DIR/tests/*_test.cpp -> one GoogleTest program NAME_tests (label "unit")
#   DIR/ui/*.cpp         -> Qt Widgets library NAME_ui on top of the core
#   DIR/ui/tests/*_test.cpp -> one Qt Test program per file (label "gui")
#   DIR/fuzz/*_fuzz.cpp  -> one libFuzzer program per file (KELVANE_FUZZ only)
# DEPS are core libraries, UI_DEPS extra libraries of the UI layer, LIBS external libraries
# of the core. Tests of the core link NAME, GTest and kv_testing (fakes, temporary folders).

set(KELVANE_TEST_HOME ${CMAKE_BINARY_DIR}/test-home)
# Qt wants its runtime folder to exist and to be private.
file(MAKE_DIRECTORY ${KELVANE_TEST_HOME}/run)
file(CHMOD ${KELVANE_TEST_HOME}/run DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)

# Tests never see the real user's files or settings.
function(kv_test_environment test_names)
    set_tests_properties(${test_names} PROPERTIES ENVIRONMENT
        "HOME=${KELVANE_TEST_HOME};XDG_CONFIG_HOME=${KELVANE_TEST_HOME}/.config;XDG_DATA_HOME=${KELVANE_TEST_HOME}/.local/share;XDG_CACHE_HOME=${KELVANE_TEST_HOME}/.cache;XDG_RUNTIME_DIR=${KELVANE_TEST_HOME}/run;QT_QPA_PLATFORM=offscreen;TZ=UTC")
endfunction()

function(kv_module NAME)
    cmake_parse_arguments(KV "" "DIR" "DEPS;UI_DEPS;LIBS" ${ARGN})
    set(dir ${CMAKE_SOURCE_DIR}/${KV_DIR})

    file(GLOB core_sources CONFIGURE_DEPENDS ${dir}/*.cpp)
    if(core_sources)
        add_library(${NAME} STATIC ${core_sources})
        target_include_directories(${NAME} PUBLIC ${CMAKE_SOURCE_DIR})
        target_link_libraries(${NAME} PUBLIC ${KV_DEPS} ${KV_LIBS})
    else()
        add_library(${NAME} INTERFACE)
        target_include_directories(${NAME} INTERFACE ${CMAKE_SOURCE_DIR})
        target_link_libraries(${NAME} INTERFACE ${KV_DEPS} ${KV_LIBS})
    endif()

    if(KELVANE_TESTS AND NOT KELVANE_FUZZ)
        file(GLOB test_sources CONFIGURE_DEPENDS ${dir}/tests/*_test.cpp ${dir}/tests/*_support.cpp)
        if(test_sources)
            add_executable(${NAME}_tests ${test_sources})
            # kv_gtest_main points HOME and the XDG folders at a fresh temporary folder.
            target_link_libraries(${NAME}_tests PRIVATE ${NAME} kv_testing kv_gtest_main GTest::gtest GTest::gmock)
            set_target_properties(${NAME}_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
            gtest_discover_tests(${NAME}_tests DISCOVERY_TIMEOUT 60 NO_PRETTY_VALUES PROPERTIES LABELS unit)
        endif()
    endif()

    if(KELVANE_WITH_UI AND NOT KELVANE_FUZZ)
        file(GLOB ui_sources CONFIGURE_DEPENDS ${dir}/ui/*.cpp ${dir}/ui/*.h ${dir}/ui/*.qrc)
        if(ui_sources)
            add_library(${NAME}_ui STATIC ${ui_sources})
            set_target_properties(${NAME}_ui PROPERTIES AUTOMOC ON AUTORCC ON)
            # Ninja runs moc again only when a header it saw before changes, so a header
            # added later would never be seen: a changed list of headers forces a new run.
            set(ui_headers ${ui_sources})
            list(FILTER ui_headers INCLUDE REGEX "\\.h$")
            set(header_list ${CMAKE_CURRENT_BINARY_DIR}/${NAME}_ui_headers.txt)
            if(EXISTS ${header_list})
                file(READ ${header_list} old_headers)
                if(NOT old_headers STREQUAL "${ui_headers}")
                    file(REMOVE ${CMAKE_CURRENT_BINARY_DIR}/${NAME}_ui_autogen/timestamp)
                endif()
            endif()
            file(WRITE ${header_list} "${ui_headers}")
            # An area whose UI layer does not exist yet stands aside for kv_common_ui, the
            # base of every UI layer; its core is reached through DEPS anyway.
            set(ui_deps "")
            foreach(dep ${KV_UI_DEPS})
                if(dep MATCHES "^kv_.*_ui$" AND NOT TARGET ${dep})
                    set(dep kv_common_ui)
                endif()
                list(APPEND ui_deps ${dep})
            endforeach()
            list(REMOVE_DUPLICATES ui_deps)
            target_link_libraries(${NAME}_ui PUBLIC ${NAME} ${ui_deps} Qt6::Widgets)
        endif()
        if(KELVANE_TESTS AND TARGET ${NAME}_ui)
            file(GLOB ui_tests CONFIGURE_DEPENDS ${dir}/ui/tests/*_test.cpp)
            foreach(src ${ui_tests})
                get_filename_component(test_name ${src} NAME_WE)
                # Both programs have a CMainFrame: the second test of a name gets its area's.
                if(TARGET ${test_name})
                    set(test_name ${NAME}_${test_name})
                endif()
                add_executable(${test_name} ${src})
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
        file(GLOB fuzzers CONFIGURE_DEPENDS ${dir}/fuzz/*_fuzz.cpp)
        foreach(src ${fuzzers})
            get_filename_component(fuzz_name ${src} NAME_WE)
            add_executable(${fuzz_name} ${src})
            target_link_libraries(${fuzz_name} PRIVATE ${NAME})
            target_link_options(${fuzz_name} PRIVATE -fsanitize=fuzzer)
            set_target_properties(${fuzz_name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
        endforeach()
    endif()
endfunction()
