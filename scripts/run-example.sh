#!/usr/bin/env bash
# Builds tolvex, preprocesses the bundled example (examples/main.asm), then
# assembles, links and runs it.
#
#   ./scripts/run-example.sh                      sum of k^3 for k = 1..10
#   ./scripts/run-example.sh -DSQUARES -DCOUNT=20  sum of k^2 for k = 1..20
#
# Arguments are handed to tolvex in front of the input file. Environment:
#   TOLVEX=path     use this tolvex binary instead of building one
#   BUILD_DIR=dir   build and output directory (default: build)
#
# Run it from anywhere; paths are taken relative to the repository root.
# Missing tools (cmake, ninja, a C++ compiler, as and ld) are installed with
# apt-get on Debian-like systems.
set -euo pipefail

cd "$(dirname "${BASH_SOURCE[0]}")/.."
build_dir=${BUILD_DIR:-build}

say() { printf '==> %s\n' "$*"; }
die() { printf 'run-example.sh: %s\n' "$*" >&2; exit 1; }

# apt-get needs root; use sudo when we are not root and it is there.
apt_install() {
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null 2>&1 || die "missing packages ($*) and no sudo to install them"
    sudo=(sudo)
  fi
  command -v apt-get >/dev/null 2>&1 || die "missing packages ($*): install them with your package manager"
  say "installing $*"
  # Refresh the package lists only when the install fails without them.
  if ! "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "$@"; then
    "${sudo[@]}" apt-get update
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "$@"
  fi
}

need=()
if [ -z "${TOLVEX:-}" ]; then
  command -v cmake >/dev/null 2>&1 || need+=(cmake)
  command -v ninja >/dev/null 2>&1 || need+=(ninja-build)
  command -v c++ >/dev/null 2>&1 || need+=(g++)
fi
{ command -v as >/dev/null 2>&1 && command -v ld >/dev/null 2>&1; } || need+=(binutils)
if [ ${#need[@]} -gt 0 ]; then
  apt_install "${need[@]}"
fi

if [ -n "${TOLVEX:-}" ]; then
  tolvex=$TOLVEX
  [ -x "$tolvex" ] || die "TOLVEX=$tolvex is not an executable"
  mkdir -p "$build_dir"
else
  if [ ! -f "$build_dir/CMakeCache.txt" ]; then
    say "configuring $build_dir"
    # The test suite needs GoogleTest and llvm-14-tools; without them, build
    # the program alone.
    if ! cmake -S . -B "$build_dir" -G Ninja; then
      say "configuring without the tests (GoogleTest or llvm-14-tools missing)"
      cmake -S . -B "$build_dir" -G Ninja -DTOLVEX_TESTS=OFF
    fi
  fi
  say "building tolvex"
  cmake --build "$build_dir" --target tolvex
  tolvex=$build_dir/tolvex
fi

say "preprocessing examples/main.asm -> $build_dir/example.s"
"$tolvex" -i examples/include "$@" -outfile "$build_dir/example.s" examples/main.asm

case "$(uname -m)" in
  x86_64 | amd64) ;;
  *) die "the example is x86-64 code; this machine is $(uname -m), so it stops after preprocessing" ;;
esac

say "assembling and linking $build_dir/example"
as -o "$build_dir/example.o" "$build_dir/example.s"
ld -o "$build_dir/example" "$build_dir/example.o"

say "running $build_dir/example"
status=0
"$build_dir/example" || status=$?
[ "$status" -eq 0 ] || die "the example exited with status $status"
