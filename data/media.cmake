# Pictures and sounds are made at build time by our own generator programs (tools/picturegen,
# tools/soundgen) from fixed recipes, so the same sources always give the same bytes.
# build/bin/sounds: the welcome chime and the four stroke-sound sets.
# build/bin/pictures: the program pictures, and one subfolder per appearance.

set(kv_sounds_dir ${KELVANE_BIN_DIR}/sounds)
set(kv_sound_names wellcome.wav)
foreach(n 1 2 3 4)
    list(APPEND kv_sound_names good${n}.wav bad${n}.wav)
endforeach()
list(TRANSFORM kv_sound_names PREPEND ${kv_sounds_dir}/ OUTPUT_VARIABLE kv_sound_files)

if(TARGET soundgen)
    add_custom_command(OUTPUT ${kv_sound_files}
        COMMAND soundgen ${kv_sounds_dir}
        DEPENDS soundgen
        COMMENT "Synthesising the sounds into bin/sounds"
        VERBATIM)
    add_custom_target(kv_sounds ALL DEPENDS ${kv_sound_files})
    if(TARGET kv_users_tests)
        # The WAV reader's tests read the delivered sounds.
        add_dependencies(kv_users_tests kv_sounds)
    endif()
endif()

set(kv_pictures_dir ${KELVANE_BIN_DIR}/pictures)
set(kv_appearances standard paper)
set(kv_hands_source ${CMAKE_SOURCE_DIR}/data/config/hands.ddd.txt)
if(KELVANE_WITH_UI AND TARGET picturegen)
    if(EXISTS ${kv_hands_source})
        set(kv_picture_files)
        foreach(name wellcome.jpg wellcome2.jpg SmallWindow.jpg Silent.jpg Login.jpg)
            list(APPEND kv_picture_files ${kv_pictures_dir}/${name})
        endforeach()
        foreach(appearance ${kv_appearances})
            foreach(name HandsBG StatBG Background Movie1 Movie2 Movie3 Movie4 Movie5 Movie6 Movie7 Movie8)
                list(APPEND kv_picture_files ${kv_pictures_dir}/${appearance}/${name}.jpg)
            endforeach()
        endforeach()
        add_custom_command(OUTPUT ${kv_picture_files}
            COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
                    $<TARGET_FILE:picturegen> --hands ${kv_hands_source} ${kv_pictures_dir}
            DEPENDS picturegen ${kv_hands_source}
            COMMENT "Drawing the pictures into bin/pictures"
            VERBATIM)
        add_custom_target(kv_pictures ALL DEPENDS ${kv_picture_files})
    else()
        message(WARNING "${kv_hands_source} is missing: the pictures are not made")
    endif()
endif()

if(KELVANE_TESTS AND NOT KELVANE_FUZZ AND TARGET kv_sounds)
    add_executable(media_tests ${CMAKE_CURRENT_SOURCE_DIR}/tests/media_test.cpp)
    kv_test_program(media_tests)
    target_link_libraries(media_tests PRIVATE kv_course kv_testing kv_gtest_main GTest::gtest)
    target_compile_definitions(media_tests PRIVATE KELVANE_SOUNDGEN="$<TARGET_FILE:soundgen>")
    add_dependencies(media_tests kv_sounds)
    if(TARGET kv_pictures)
        target_compile_definitions(media_tests PRIVATE KELVANE_PICTUREGEN="$<TARGET_FILE:picturegen>"
            KELVANE_HANDS_SOURCE="${kv_hands_source}")
        add_dependencies(media_tests kv_pictures)
    endif()
    set_target_properties(media_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    gtest_discover_tests(media_tests DISCOVERY_TIMEOUT 60 PROPERTIES LABELS data)
endif()
