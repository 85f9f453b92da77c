#!/usr/bin/env bash
# Morvik on a real X display: its main window maps, paints its menus, toolbar and views, and the
# program ends with status 0 when the window is closed, by the window manager's Alt+F4
# ("window-manager") or by File > Exit from the keyboard ("menu").
set -euo pipefail
source "$E2E_LIB"
how=${1:-window-manager}

e2e_start morvik "$E2E_BIN/morvik"
window=$(e2e_wait_window '^Morvik$' 30)
e2e_activate "$window"
# Let the first paint settle before the picture is taken.
sleep 1
shot=$(e2e_screenshot "morvik-$how.png")
colours=$(e2e_colour_count "$shot")
echo "e2e: $colours colours on the screen"
if [ "$colours" -lt 16 ]; then
    echo "e2e: the window shows next to nothing" >&2
    exit 1
fi

case "$how" in
window-manager) e2e_keys alt+F4 ;;
menu) e2e_keys alt+f x ;;
*) echo "e2e: unknown way to close: $how" >&2; exit 2 ;;
esac
e2e_wait_exit "$E2E_PID" 20
