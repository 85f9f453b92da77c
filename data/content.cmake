# Text data of both programs: the sources under data/ become the data folders in build/bin.
# Containers are packed with our linefile tool; plain files are copied. Every output depends on
# its source only, so the build is incremental and the same sources give the same bytes.

set(kv_data_src ${CMAKE_CURRENT_SOURCE_DIR})
set(kv_data_outputs "")

# SOURCE (relative to data/) -> OUTPUT (relative to build/bin), packed into the line container.
set(kv_data_containers
    "config/00000409.kdd.txt|config/00000409.kdd"
    "config/00000407.kdd.txt|config/00000407.kdd"
    "config/NUM.kdd.txt|config/NUM.kdd"
    "config/0409.odd.txt|config/0409.odd"
    "config/0407.odd.txt|config/0407.odd"
    "config/hands.ddd.txt|config/hands.ddd"
    "config/textinfo.ddd.txt|config/textinfo.ddd"
    "lessons/00000409_a.ddd.txt|lessons/00000409_a.ddd"
    "lessons/00000409_b.ddd.txt|lessons/00000409_b.ddd"
    "lessons/00000407_a.ddd.txt|lessons/00000407_a.ddd"
    "lessons/NUM_a.ddd.txt|lessons/NUM_a.ddd"
    "charconfig/english_us.nchrs.txt|charconfig/English keyboard (United States).nchrs"
    "charconfig/german.nchrs.txt|charconfig/German keyboard.nchrs"
    "charconfig/czech.nchrs.txt|charconfig/Czech keyboard.nchrs")

file(GLOB kv_data_texts RELATIVE ${kv_data_src} CONFIGURE_DEPENDS ${kv_data_src}/text/*.txt)
file(GLOB_RECURSE kv_data_help RELATIVE ${kv_data_src} CONFIGURE_DEPENDS ${kv_data_src}/help/*)
set(kv_data_copies config/keyboards.txt config/lessons.txt ${kv_data_texts} ${kv_data_help})

if(TARGET linefile)
    foreach(pair ${kv_data_containers})
        string(REPLACE "|" ";" pair "${pair}")
        list(GET pair 0 src)
        list(GET pair 1 out)
        get_filename_component(out_dir "${KELVANE_BIN_DIR}/${out}" DIRECTORY)
        add_custom_command(OUTPUT "${KELVANE_BIN_DIR}/${out}"
            COMMAND ${CMAKE_COMMAND} -E make_directory "${out_dir}"
            COMMAND linefile pack "${kv_data_src}/${src}" "${KELVANE_BIN_DIR}/${out}"
            DEPENDS "${kv_data_src}/${src}" linefile
            COMMENT "Packing ${out}"
            VERBATIM)
        list(APPEND kv_data_outputs "${KELVANE_BIN_DIR}/${out}")
    endforeach()
else()
    message(STATUS "linefile tool not available: the data containers are not generated")
endif()

foreach(rel ${kv_data_copies})
    get_filename_component(out_dir "${KELVANE_BIN_DIR}/${rel}" DIRECTORY)
    add_custom_command(OUTPUT "${KELVANE_BIN_DIR}/${rel}"
        COMMAND ${CMAKE_COMMAND} -E make_directory "${out_dir}"
        COMMAND ${CMAKE_COMMAND} -E copy "${kv_data_src}/${rel}" "${KELVANE_BIN_DIR}/${rel}"
        DEPENDS "${kv_data_src}/${rel}"
        VERBATIM)
    list(APPEND kv_data_outputs "${KELVANE_BIN_DIR}/${rel}")
endforeach()

add_custom_target(kv_data_content ALL DEPENDS ${kv_data_outputs})

if(KELVANE_TESTS AND NOT KELVANE_FUZZ)
    add_executable(data_tests ${kv_data_src}/tests/data_test.cpp)
    kv_test_program(data_tests)
    target_link_libraries(data_tests PRIVATE kv_course kv_users kv_tester kv_testing kv_gtest_main
        GTest::gtest)
    set_target_properties(data_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    # The tests read what the build generated.
    add_dependencies(data_tests kv_data_content)
    # Which generated container comes from which source, for the tests.
    set(manifest "")
    foreach(pair ${kv_data_containers})
        string(APPEND manifest "${pair}\n")
    endforeach()
    file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/containers.txt "${manifest}")
    target_compile_definitions(data_tests PRIVATE
        KV_DATA_MANIFEST="${CMAKE_CURRENT_BINARY_DIR}/containers.txt")
    # Once the container can be packed and read, the tests read what the build generated.
    if(TARGET linefile AND EXISTS ${CMAKE_SOURCE_DIR}/common/compressed_line_file.cpp)
        target_compile_definitions(data_tests PRIVATE KV_DATA_READ_CONTAINERS=1)
    endif()
    gtest_discover_tests(data_tests DISCOVERY_TIMEOUT 60 PROPERTIES LABELS data)
endif()
