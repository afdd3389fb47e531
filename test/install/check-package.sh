#!/usr/bin/env bash
# Installs the build into a scratch prefix, then configures and builds a
# project against the installed CMake package with Ninja and with Unix
# Makefiles: a changed nested header rebuilds only the output that includes
# it (and the program), and a second build does nothing.
#   check-package.sh CMAKE BUILD_DIR SCRATCH PROJECT
set -euo pipefail
cmake=$1 build=$2 scratch=$3 project=$4
rm -rf "$scratch"
"$cmake" --install "$build" --prefix "$scratch/prefix" > /dev/null
test -f "$scratch/prefix/lib/cmake/tolvex/tolvexConfig.cmake"
if ! command -v cc > /dev/null; then
  echo "skipped: no C compiler to assemble with"
  exit 0
fi

expect() { # expect WHAT COUNT OUTPUT
  local n
  n=$(grep -c -- "$1" <<< "$3" || true)
  if [ "$n" != "$2" ]; then
    echo "expected $2 line(s) with '$1', got $n in:"
    echo "$3"
    exit 1
  fi
}

build() { # the build's output, shown in full when it fails
  if ! out=$("$cmake" --build "$1" 2>&1); then
    echo "$out"
    exit 1
  fi
}

for gen in Ninja "Unix Makefiles"; do
  tool=$([ "$gen" = Ninja ] && echo ninja || echo make)
  if ! command -v "$tool" > /dev/null; then
    echo "skipped: $tool missing"
    continue
  fi
  src="$scratch/src-$tool" bin="$scratch/build-$tool"
  cp -r "$project" "$src"
  # Sources start in the past so that the first build is newer than all of them.
  find "$src" -type f -exec touch -d '2000-01-01 00:00:00' {} +
  "$cmake" -S "$src" -B "$bin" -G "$gen" -DCMAKE_PREFIX_PATH="$scratch/prefix" > /dev/null
  build "$bin"
  expect "Preprocessing .*/main.tvx" 1 "$out"
  expect "Preprocessing .*/other.tvx" 1 "$out"
  "$bin/app" # exits 0 when both outputs were assembled from the right text
  touch "$src/include/deep/inner.inc"
  build "$bin"
  expect "Preprocessing .*/main.tvx" 1 "$out"
  expect "other" 0 "$out"
  expect "Linking" 1 "$out"
  build "$bin"
  expect "Preprocessing" 0 "$out"
  expect "Linking" 0 "$out"
  echo "$gen: a nested header rebuilds its output, and only once"
done
