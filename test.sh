#!/usr/bin/env bash
# Installs what is missing, builds and runs every test; exits non-zero on any
# failure.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh test
export QT_QPA_PLATFORM=offscreen

build() {  # build directory, extra CMake options...
  local dir=$1; shift
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=ON "$@" >/dev/null
  cmake --build "$dir" -j"$(nproc)"
}

# build-test/, not build/: ./run.sh keeps build/ in its own settings, and
# sharing it would rebuild the whole program at every switch.
build build-test
(cd build-test && ctest --output-on-failure -j"$(nproc)")

# Once more under AddressSanitizer and UndefinedBehaviorSanitizer: a window
# closed while one of its handlers waits must never be touched after it is gone.
build build-asan -DQRVN_SANITIZE=ON
(cd build-asan && ctest --output-on-failure -j"$(nproc)")
