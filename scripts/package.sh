#!/usr/bin/env bash
# Builds the Debian package of both programs with Debian's compiler flags (hardening, paths of
# this folder mapped away) in build-package/ and checks it with lintian:
#
#   scripts/package.sh        ->  build-package/kelvane_<version>_<arch>.deb
#
# Install it with "sudo apt install ./build-package/kelvane_*.deb" (or dpkg -i), remove it
# with "sudo apt remove kelvane".
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

export DEB_BUILD_MAINT_OPTIONS=hardening=+all
if [ ! -f build-package/build.ninja ]; then
    launcher=()
    if command -v ccache >/dev/null; then
        launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    fi
    CFLAGS="$(dpkg-buildflags --get CFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
    CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
    LDFLAGS="$(dpkg-buildflags --get LDFLAGS)" \
        cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DKELVANE_TESTS=OFF -DKELVANE_BENCH=OFF "${launcher[@]}"
fi
cmake --build build-package
rm -f build-package/kelvane_*.deb
(cd build-package && cpack -G DEB)
deb=$(ls build-package/kelvane_*.deb)
# Errors fail the build; warnings are shown.
lintian --fail-on error --tag-display-limit 0 "$deb"
echo "Package: $deb"
