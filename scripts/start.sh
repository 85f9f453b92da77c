#!/usr/bin/env bash
# Installs what is missing, builds, and starts Kelvane; "start.sh morvik" starts Morvik.
# Further arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
program=kelvane
if [ $# -gt 0 ] && { [ "$1" = morvik ] || [ "$1" = kelvane ]; }; then
    program=$1
    shift
fi
scripts/setup.sh
scripts/build.sh
exec build/bin/$program "$@"
