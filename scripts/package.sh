#!/usr/bin/env bash
# Sets up, builds and writes the Debian package build-package/zeltar-logger_<version>_<arch>.deb,
# and prints its path on the last line. Install it with
#     sudo apt install ./build-package/zeltar-logger_*.deb
# The package's programs live in /usr/bin and their resources in /usr/share/zeltar-logger; each
# user's settings and records in the user's own folders (see README, "Installing").
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

dir=build-package
# In CI every warning fails the build.
werror=OFF
if [ -n "${CI:-}" ]; then werror=ON; fi
# Debian's hardening flags. No debug information: the package's programs are stripped.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
without_debug_info() { sed -E 's/(^| )-g( |$)/ /g'; }
compile_flags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS | without_debug_info)"
link_flags=$(dpkg-buildflags --get LDFLAGS)
# Only what the package holds and what makes it: no tests, no benchmarks.
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr -DZELTAR_SYSTEM_INSTALL=ON \
  -DZELTAR_BUILD_TESTS=OFF -DZELTAR_BUILD_BENCH=OFF -DZELTAR_WERROR="$werror" \
  -DCMAKE_CXX_FLAGS="$compile_flags" -DCMAKE_EXE_LINKER_FLAGS="$link_flags" >/dev/null
cmake --build "$dir" --parallel "$(nproc)"

rm -f "$dir"/zeltar-logger_*.deb
(cd "$dir" && cpack -G DEB >/dev/null)
packages=("$PWD/$dir"/zeltar-logger_*.deb)
if [ ${#packages[@]} -ne 1 ] || [ ! -f "${packages[0]}" ]; then
  echo "package.sh: cpack wrote no package zeltar-logger_*.deb in $dir" >&2
  exit 1
fi
echo "${packages[0]}"
