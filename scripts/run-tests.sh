#!/usr/bin/env bash
# Builds tolvex with its tests and runs every test (unit tests and end-to-end
# lit tests) under ctest. Installs the few Debian packages the suite needs
# when they are missing.
set -euo pipefail
cd "$(dirname "$0")/.."

need=()
command -v cmake >/dev/null || need+=(cmake)
command -v ninja >/dev/null || need+=(ninja-build)
command -v llvm-config-14 >/dev/null || need+=(llvm-14-tools)
[ -e /usr/include/gtest/gtest.h ] || need+=(libgtest-dev libgmock-dev)
command -v nasm >/dev/null || need+=(nasm) # the line-marker tests assemble with it
if [ ${#need[@]} -gt 0 ]; then
  echo "installing: ${need[*]}"
  apt-get update -qq && apt-get install -y -qq "${need[@]}"
fi

build=${BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTOLVEX_TESTS=ON
cmake --build "$build"
ctest --test-dir "$build" --output-on-failure -j 2
