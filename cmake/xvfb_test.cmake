# Tests on a private X server (scripts/xvfb_run_test.sh): a fresh Xvfb per test, torn down
# afterwards, HOME and the XDG folders in a temporary folder.
#   kv_xvfb_test(NAME LABELS label... [WINDOW_MANAGER] [PROGRAM_COPY] [TIMEOUT s]
#                COMMAND command... [ENVIRONMENT VAR=value...])
#     WINDOW_MANAGER  a window manager runs beside the test (focus, decorations, Alt+F4)
#     PROGRAM_COPY    the test gets a temporary copy of build/bin in E2E_BIN
#   kv_e2e_test(NAME SCRIPT [ARGUMENT...]): a shell script driving a real program with
#     xdotool, with the window manager and a copy of build/bin; label "e2e".
# Screenshots and logs stay in build/e2e-artifacts/NAME.
set(KELVANE_XVFB_RUN ${CMAKE_SOURCE_DIR}/scripts/xvfb_run_test.sh)

function(kv_xvfb_test NAME)
    cmake_parse_arguments(X "WINDOW_MANAGER;PROGRAM_COPY" "TIMEOUT" "LABELS;COMMAND;ENVIRONMENT"
        ${ARGN})
    if(NOT X_TIMEOUT)
        set(X_TIMEOUT 120)
    endif()
    set(options --artifacts ${CMAKE_BINARY_DIR}/e2e-artifacts/${NAME} --timeout ${X_TIMEOUT})
    if(X_WINDOW_MANAGER)
        list(APPEND options --wm)
    endif()
    if(X_PROGRAM_COPY)
        list(APPEND options --copy-bin ${KELVANE_BIN_DIR})
    endif()
    add_test(NAME ${NAME} COMMAND ${KELVANE_XVFB_RUN} ${options} -- ${X_COMMAND})
    # ctest's own limit lies beyond the script's, which tears the server down itself.
    math(EXPR ctest_timeout "${X_TIMEOUT} + 30")
    set_tests_properties(${NAME} PROPERTIES LABELS "${X_LABELS}" TIMEOUT ${ctest_timeout})
    if(X_ENVIRONMENT)
        set_tests_properties(${NAME} PROPERTIES ENVIRONMENT "${X_ENVIRONMENT}")
    endif()
endfunction()

function(kv_e2e_test NAME SCRIPT)
    kv_xvfb_test(${NAME} LABELS e2e WINDOW_MANAGER PROGRAM_COPY
        COMMAND bash ${SCRIPT} ${ARGN})
endfunction()
