#!/usr/bin/env bash
# The installed tree, as a package or an administrator installs it:
#   install_tree_test.sh BUILD_DIR SOURCE_DIR
# installs into a temporary prefix (stripped, as the package is), checks that the programs,
# data and desktop files are where the desktop and the programs look for them, starts both
# programs from there (command-line modes, and the windows offscreen for a moment), and fails
# when anything was written into the installed tree or when an installed file holds the path
# of the build or source tree (a program that would only work beside its build).
set -euo pipefail
build=$(realpath "$1")
source=$(realpath "$2")

work=$(mktemp -d "${TMPDIR:-/tmp}/kelvane-install.XXXXXX")
trap 'chmod -R u+w "$work" 2>/dev/null; rm -rf "$work"' EXIT
prefix=$work/usr
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

cmake --install "$build" --prefix "$prefix" --strip >"$work/install.log" ||
    { cat "$work/install.log"; fail "cmake --install"; }

for path in bin/kelvane bin/morvik bin/linefile; do
    [ -x "$prefix/$path" ] || fail "$path is missing or not executable"
done
for path in share/kelvane/config/keyboards.txt share/kelvane/lessons/00000409_a.ddd \
    share/kelvane/pictures/Login.jpg share/kelvane/pictures/standard/HandsBG.jpg \
    share/kelvane/sounds/good1.wav share/kelvane/charconfig share/kelvane/text \
    share/kelvane/help/kelvane/index.html share/kelvane/help/morvik/index.html \
    share/man/man1/kelvane.1.gz share/doc/kelvane/copyright \
    share/applications/kelvane.desktop share/applications/morvik.desktop \
    share/mime/packages/kelvane.xml share/icons/hicolor/48x48/apps/kelvane.png \
    share/icons/hicolor/scalable/apps/morvik.svg \
    share/metainfo/org.example.kelvane.kelvane.metainfo.xml; do
    [ -e "$prefix/$path" ] || fail "$path is missing"
done
# The software centre's view of the installed tree: metadata, desktop entries and icons
# found where they belong and agreeing with each other.
appstreamcli validate-tree --no-net "$work" >"$work/appstream.log" 2>&1 ||
    { cat "$work/appstream.log"; fail "appstreamcli validate-tree"; }
# Only what the build generated: a users folder beside the build's programs is no data.
[ ! -e "$prefix/share/kelvane/users" ] || fail "a users folder was installed"

# Everything the programs need must come from the prefix: no data folder in the working
# folder, none named by the environment.
unset KELVANE_DATA_DIR
cd "$work"
find "$prefix" -printf '%p %s %T@\n' | sort >"$work/before.txt"
# The installed tree is read-only, as under /usr for a user; root may write anyway, which
# the comparison of the file lists below catches.
chmod -R a-w "$prefix"

"$prefix/bin/kelvane" --version | grep -qx 'Kelvane 1.0' || fail "kelvane --version"
"$prefix/bin/morvik" --version | grep -qx 'Morvik 1.0' || fail "morvik --version"
"$prefix/bin/kelvane" --check-data >"$work/check.txt" ||
    { cat "$work/check.txt"; fail "kelvane --check-data on the installed data"; }
grep -q '^Data check passed' "$work/check.txt" || fail "kelvane --check-data said: $(cat "$work/check.txt")"
printf 'one\ntwo\n' >"$work/lines.txt"
"$prefix/bin/linefile" pack "$work/lines.txt" "$work/lines.ddd" || fail "linefile pack"

# The windows start, find their pictures and settings, and are ended after a moment; a
# window that ends by itself within that moment has failed to start.
for program in kelvane morvik; do
    status=0
    QT_QPA_PLATFORM=offscreen timeout -s TERM 4 "$prefix/bin/$program" \
        >"$work/$program.log" 2>&1 || status=$?
    [ "$status" -eq 124 ] || { cat "$work/$program.log"; fail "$program ended with $status"; }
done

chmod -R u+w "$prefix"
find "$prefix" -printf '%p %s %T@\n' | sort >"$work/after.txt"
diff "$work/before.txt" "$work/after.txt" >&2 || fail "the programs wrote into the installed tree"

# The build and source folders must appear in no installed file, binaries included.
for tree in "$build" "$source"; do
    if found=$(grep -rlF -- "$tree" "$prefix"); then
        fail "installed files name $tree: $found"
    fi
done
echo "install tree: $(find "$prefix" -type f | wc -l) files, programs and data work from $prefix"
