# Helpers for the end-to-end test scripts that scripts/xvfb_run_test.sh runs: source "$E2E_LIB".
# Each prints what it does, so a failing run's log tells the story.

# e2e_start NAME PROGRAM [ARGUMENT...]: starts a program in the background, its output in
# $E2E_ARTIFACTS/NAME.log; its process id is in E2E_PID.
e2e_start() {
    local name=$1
    shift
    echo "e2e: start $*"
    "$@" >"$E2E_ARTIFACTS/$name.log" 2>&1 &
    E2E_PID=$!
}

# e2e_wait_window TITLE [SECONDS]: waits until a visible window whose title matches TITLE is
# mapped and prints its id; fails after SECONDS (default 30).
e2e_wait_window() {
    local window
    window=$(timeout "${2:-30}" xdotool search --sync --onlyvisible --name "$1" | head -n 1) || true
    if [ -z "$window" ]; then
        echo "e2e: no window \"$1\" within ${2:-30} s" >&2
        return 1
    fi
    echo "e2e: window \"$1\" is $window" >&2
    echo "$window"
}

# e2e_activate WINDOW: gives the window the focus, so that keys sent next reach it.
e2e_activate() {
    xdotool windowactivate --sync "$1" >/dev/null 2>&1 || xdotool windowfocus --sync "$1"
}

# e2e_keys KEY...: presses keys as a person would (XTEST), e.g. alt+F4, Return, ctrl+s.
e2e_keys() {
    echo "e2e: keys $*"
    xdotool key --delay 50 "$@"
}

# e2e_type TEXT: types text as a person would.
e2e_type() {
    echo "e2e: type $1"
    xdotool type --delay 30 -- "$1"
}

# e2e_screenshot FILE: the whole screen as a PNG in $E2E_ARTIFACTS; prints its path.
e2e_screenshot() {
    local file="$E2E_ARTIFACTS/$1"
    import -display "$DISPLAY" -window root "$file"
    echo "e2e: screenshot $file" >&2
    echo "$file"
}

# e2e_colour_count FILE: the number of distinct colours in a picture (a blank screen has 1).
e2e_colour_count() {
    convert "$1" -format '%k' info:
}

# e2e_wait_exit PID [SECONDS]: waits for a started program to end and returns its exit
# status; a program still running after SECONDS (default 30) is ended and the wait fails.
e2e_wait_exit() {
    local pid=$1 seconds=${2:-30} status=0
    for _ in $(seq 1 $((seconds * 10))); do
        if ! kill -0 "$pid" 2>/dev/null; then
            wait "$pid" || status=$?
            echo "e2e: process $pid ended with status $status"
            return "$status"
        fi
        sleep 0.1
    done
    echo "e2e: process $pid still runs after $seconds s" >&2
    kill -TERM "$pid" 2>/dev/null || true
    return 124
}

# e2e_fail MESSAGE: ends the test with MESSAGE, leaving a picture of the screen as failure.png.
e2e_fail() {
    echo "e2e: $*" >&2
    e2e_screenshot "failure.png" >/dev/null || true
    exit 1
}

# e2e_wait_windows TITLE COUNT: waits until COUNT visible windows have a title matching TITLE
# (a program's small boxes share its main window's title); fails the test after 15 s.
e2e_wait_windows() {
    local title=$1 count=$2
    for _ in $(seq 1 150); do
        if [ "$(xdotool search --onlyvisible --name "$title" 2>/dev/null | wc -l)" -eq "$count" ]; then
            return 0
        fi
        sleep 0.1
    done
    e2e_fail "not $count windows \"$title\""
}

# e2e_wait_file FILE: waits until FILE exists and is not empty; fails the test after 10 s.
e2e_wait_file() {
    for _ in $(seq 1 100); do
        [ -s "$1" ] && return 0
        sleep 0.1
    done
    e2e_fail "no file $1"
}
