#!/usr/bin/env bash
# The Debian package as built from this build tree:
#   package_test.sh BUILD_DIR
# builds it with cpack into a temporary folder, fails on any lintian error, checks its
# dependencies (computed from the programs' libraries, plus Qt's platform plugins) and that it
# holds the programs, the data and the desktop files where the desktop looks for them, and
# starts both programs from the unpacked tree. It does not install the package.
set -euo pipefail
build=$(realpath "$1")

work=$(mktemp -d "${TMPDIR:-/tmp}/kelvane-package.XXXXXX")
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

cpack --config "$build/CPackConfig.cmake" -B "$work" -G DEB >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack"; }
debs=("$work"/kelvane_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no single kelvane package"
deb=${debs[0]}

# lintian refuses nothing as root but says so; its errors are what fails a package.
lintian --fail-on error --tag-display-limit 0 "$deb" 2>&1 | grep -v 'root privileges' || true
lintian --fail-on error "$deb" >/dev/null 2>&1 || fail "lintian reports errors"

control=$(dpkg-deb -f "$deb")
depends=$(dpkg-deb -f "$deb" Depends)
for wanted in 'qt6-qpa-plugins' 'libqt6widgets6' 'libqt6gui6' 'libasound2' 'libc6'; do
    [[ ",$depends," =~ [\ ,]$wanted[\ ,\(] ]] || fail "Depends lacks $wanted: $depends"
done
grep -q '^Maintainer: .*<.*@.*>' <<<"$control" || fail "no maintainer"
grep -q '^Section: education' <<<"$control" || fail "section"

dpkg-deb -x "$deb" "$work/root"
root=$work/root
for path in usr/bin/kelvane usr/bin/morvik usr/bin/linefile \
    usr/share/kelvane/config/keyboards.txt usr/share/kelvane/pictures/Login.jpg \
    usr/share/kelvane/sounds/wellcome.wav usr/share/kelvane/help/kelvane/index.html \
    usr/share/doc/kelvane/copyright usr/share/doc/kelvane/changelog.gz \
    usr/share/man/man1/kelvane.1.gz usr/share/man/man1/morvik.1.gz \
    usr/share/man/man1/linefile.1.gz usr/share/applications/kelvane.desktop \
    usr/share/applications/morvik.desktop usr/share/mime/packages/kelvane.xml \
    usr/share/icons/hicolor/256x256/apps/morvik.png usr/share/icons/hicolor/scalable/apps/kelvane.svg \
    usr/share/metainfo/org.example.kelvane.morvik.metainfo.xml; do
    [ -e "$root/$path" ] || fail "the package lacks /$path"
done
# Everything lies below /usr: nothing in /etc to keep as a configuration file, nothing in the
# home folders.
if found=$(find "$root" -mindepth 1 -maxdepth 1 ! -name usr); then
    [ -z "$found" ] || fail "the package holds files outside /usr: $found"
fi

unset KELVANE_DATA_DIR
cd "$work"
"$root/usr/bin/kelvane" --version | grep -qx 'Kelvane 1.0' || fail "kelvane --version"
"$root/usr/bin/morvik" --version | grep -qx 'Morvik 1.0' || fail "morvik --version"
"$root/usr/bin/kelvane" --check-data | grep -q '^Data check passed' ||
    fail "kelvane --check-data on the packaged data"
echo "package: $(basename "$deb"), $(dpkg-deb -c "$deb" | wc -l) entries, lintian without errors"
