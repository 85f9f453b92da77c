#!/usr/bin/env bash
# Runs one test on a private X server and tears everything down afterwards:
#
#   scripts/xvfb_run_test.sh [--wm] [--copy-bin FOLDER] [--artifacts FOLDER] [--timeout SECONDS]
#                            -- COMMAND [ARGUMENT...]
#
# Xvfb picks a free display number itself (-displayfd), so parallel runs never share a server.
# COMMAND runs with
#   DISPLAY, KELVANE_XVFB_DISPLAY   the private display (tests that reconfigure the X server
#                                   check that they run on it)
#   HOME, XDG_*_HOME, XDG_RUNTIME_DIR, TMPDIR
#                                   inside a fresh temporary folder
#   E2E_BIN                         with --copy-bin: a temporary copy of FOLDER (build/bin), so
#                                   what a program writes beside itself is thrown away
#   E2E_ARTIFACTS                   where to leave screenshots and logs (kept after the run;
#                                   --artifacts, else inside the temporary folder)
#   E2E_LIB                         scripts/e2e/lib.sh, helpers for test scripts
#   QT_QPA_PLATFORM=xcb, TZ=UTC, no Wayland, no session bus
# --wm starts a small window manager first (matchbox, with only Alt+F4 bound), for tests that
# need focus, decorations or closing by the window manager. The exit status is COMMAND's; a
# COMMAND still running after --timeout seconds (default 120) is ended and the run fails.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
with_wm=0
bin_source=""
artifacts=""
timeout_seconds=120
while (($#)); do
    case "$1" in
    --wm) with_wm=1 ;;
    --copy-bin) bin_source=$2; shift ;;
    --artifacts) artifacts=$2; shift ;;
    --timeout) timeout_seconds=$2; shift ;;
    --) shift; break ;;
    *) echo "xvfb_run_test: unknown option $1" >&2; exit 2 ;;
    esac
    shift
done
if (($# == 0)); then
    echo "xvfb_run_test: no command given" >&2
    exit 2
fi
for tool in Xvfb xdotool; do
    if ! command -v "$tool" >/dev/null; then
        echo "xvfb_run_test: $tool is missing (scripts/setup.sh installs it)" >&2
        exit 2
    fi
done

work=$(mktemp -d "${TMPDIR:-/tmp}/kelvane-xvfb.XXXXXX")
xvfb_pid=""
wm_pid=""
command_pid=""

teardown() {
    local status=$?
    trap - EXIT INT TERM
    # The test's own process group first (a program it left running), then the window
    # manager and the server: every process here is one this script started.
    # The group outlives its leader while a program started in the background still runs.
    if [ -n "$command_pid" ] && kill -0 -- "-$command_pid" 2>/dev/null; then
        kill -TERM -- "-$command_pid" 2>/dev/null || true
        sleep 0.5
        kill -KILL -- "-$command_pid" 2>/dev/null || true
    fi
    for pid in $wm_pid $xvfb_pid; do
        kill -TERM "$pid" 2>/dev/null || true
    done
    for pid in $wm_pid $xvfb_pid; do
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
    exit "$status"
}
trap teardown EXIT
trap 'exit 143' INT TERM

mkdir -p "$work/home/.config" "$work/home/.local/share" "$work/home/.cache" "$work/run" "$work/tmp"
chmod 700 "$work/run"
if [ -z "$artifacts" ]; then
    artifacts="$work/artifacts"
fi
mkdir -p "$artifacts"

# The server writes its display number to the file once it accepts connections.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset \
    3>"$work/display" >"$artifacts/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 1 600); do
    if grep -q '^[0-9]' "$work/display" 2>/dev/null; then
        break
    fi
    if ! kill -0 "$xvfb_pid" 2>/dev/null; then
        echo "xvfb_run_test: Xvfb did not start:" >&2
        cat "$artifacts/xvfb.log" >&2
        exit 2
    fi
    sleep 0.05
done
display=":$(head -n 1 "$work/display")"
if [ "$display" = ":" ]; then
    echo "xvfb_run_test: Xvfb gave no display number" >&2
    exit 2
fi

env_args=(
    -u WAYLAND_DISPLAY -u DBUS_SESSION_BUS_ADDRESS -u SESSION_MANAGER -u XAUTHORITY
    -u KELVANE_DATA_DIR
    DISPLAY="$display" KELVANE_XVFB_DISPLAY="$display"
    HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
    XDG_CACHE_HOME="$work/home/.cache" XDG_RUNTIME_DIR="$work/run" TMPDIR="$work/tmp"
    XDG_SESSION_TYPE=x11 QT_QPA_PLATFORM=xcb TZ=UTC
    E2E_ARTIFACTS="$artifacts" E2E_LIB="$here/e2e/lib.sh"
)

if ((with_wm)); then
    env "${env_args[@]}" matchbox-window-manager -use_titlebar yes \
        -kbdconfig "$here/e2e/matchbox_keys" >"$artifacts/wm.log" 2>&1 &
    wm_pid=$!
    # The window manager is ready once it has announced itself on the root window.
    wm_ready=0
    for _ in $(seq 1 600); do
        if env "${env_args[@]}" xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null |
            grep -q 'window id'; then
            wm_ready=1
            break
        fi
        if ! kill -0 "$wm_pid" 2>/dev/null; then
            break
        fi
        sleep 0.05
    done
    if ((!wm_ready)); then
        echo "xvfb_run_test: the window manager did not start:" >&2
        cat "$artifacts/wm.log" >&2
        exit 2
    fi
fi

if [ -n "$bin_source" ]; then
    cp -a "$bin_source" "$work/bin"
    env_args+=(E2E_BIN="$work/bin")
fi

# In a process group of its own, so that teardown ends whatever it started.
status=0
setsid env "${env_args[@]}" timeout --kill-after=5 "$timeout_seconds" "$@" &
command_pid=$!
wait "$command_pid" || status=$?
if [ "$status" -eq 124 ]; then
    echo "xvfb_run_test: $* did not finish within $timeout_seconds s" >&2
fi
exit "$status"
