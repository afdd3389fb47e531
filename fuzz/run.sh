#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and the sanitizers, replays the
# saved reproducers, seeds the corpora from the lit tests and runs each target
# for SECONDS. Exits non-zero when a saved reproducer still fails or a new
# crash, leak or sanitizer report is found; new findings are copied to
# fuzz/regressions/ as <target>-<kind>-<hash>. Slow and large inputs are
# listed but do not fail the run.
#
#   fuzz/run.sh [SECONDS]        (default 60 per target)
#
# Environment: BUILD_DIR (default build-fuzz in the repository), JOBS (ninja -j, default 1),
# FUZZ_TIMEOUT (seconds per input, default 20), FUZZ_RSS_MB (default 4096),
# FUZZ_MAX_LEN (bytes per input, default 16384).
set -euo pipefail

seconds=${1:-60}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(dirname "$here")
build=${BUILD_DIR:-$root/build-fuzz}
jobs=${JOBS:-1}
timeout=${FUZZ_TIMEOUT:-20}
rss=${FUZZ_RSS_MB:-4096}
targets=(fuzz_scanner fuzz_preprocess)

if [ ! -f "$build/build.ninja" ]; then
  # Assertions stay on (no NDEBUG): they are checks the fuzzer should reach.
  CC=clang CXX=clang++ cmake -G Ninja -S "$root" -B "$build" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g" \
    -DTOLVEX_FUZZ=ON -DTOLVEX_SANITIZE=ON -DTOLVEX_TESTS=OFF -DTOLVEX_BENCH=OFF \
    -DTOLVEX_WERROR=OFF
fi
ninja -C "$build" -j"$jobs" "${targets[@]}"

export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
# fuzz_preprocess writes its files under TMPDIR; a process ended by a timeout
# cannot remove them, so they go where this script can.
export TMPDIR="$build/tmp"
rm -rf "$TMPDIR"
mkdir -p "$TMPDIR"
trap 'rm -rf "$TMPDIR"' EXIT
status=0

# Saved reproducers must no longer fail.
for target in "${targets[@]}"; do
  shopt -s nullglob
  saved=("$here"/regressions/"$target"-*)
  shopt -u nullglob
  if [ ${#saved[@]} -gt 0 ]; then
    echo "== $target: replaying ${#saved[@]} reproducer(s)"
    if ! "$build/fuzz/$target" -timeout="$timeout" -rss_limit_mb="$rss" "${saved[@]}"; then
      echo "== $target: a saved reproducer still fails" >&2
      status=1
    fi
  fi
done

for target in "${targets[@]}"; do
  binary="$build/fuzz/$target"
  corpus="$build/corpus/$target"
  findings="$build/findings/$target"
  slow="$build/corpus/$target.slow"
  mkdir -p "$corpus" "$findings"
  rm -f "$findings"/*
  touch "$slow"

  # Every lit input is a seed (fuzz_preprocess reads their "//--- name"
  # sections as separate files), once it has run on its own. Inputs that
  # stress the limits on purpose take long under the sanitizers: the lit tests
  # cover them, and as seeds they would stall the fuzzer, so they are left out.
  # One that crashes on its own is a finding like any other.
  while IFS= read -r -d '' f; do
    rel=${f#"$root"/test/}
    seed="seed-${rel//\//_}"
    [ -e "$corpus/$seed" ] && continue
    grep -qxF "$seed" "$slow" && continue
    set +e
    timeout "$timeout" "$binary" -rss_limit_mb="$rss" -artifact_prefix="$findings/" "$f" > /dev/null 2>&1
    rc=$?
    set -e
    if [ $rc -eq 0 ]; then
      cp "$f" "$corpus/$seed"
    elif [ $rc -eq 124 ]; then
      echo "$seed" >> "$slow"
      echo "== $target: seed test/$rel left out: it runs longer than $timeout s"
    else
      echo "== $target: seed test/$rel fails on its own (status $rc)" >&2
    fi
  done < <(find "$root/test" -name Output -prune -o -name '*.asm' -print0)
  if [ "$target" = fuzz_preprocess ]; then
    printf -- '--ifdef A\nA B\n--endif\n--include "a.inc"\n//--- a.inc\n--macro M(x)\nx \\@\n--endmacro\nM(B)\n//--- defines\nA=1\nB=you+2\n' \
      > "$corpus/seed-defines"
  fi

  echo "== $target: fuzzing for $seconds s"
  # Fork mode goes on after a timeout or out-of-memory (each is saved as an
  # artifact) and stops at the first crash.
  set +e
  "$binary" -fork=1 -ignore_timeouts=1 -ignore_ooms=1 \
    -max_total_time="$seconds" -timeout="$timeout" -rss_limit_mb="$rss" \
    -max_len="${FUZZ_MAX_LEN:-16384}" -dict="$here/tolvex.dict" -print_final_stats=1 \
    -artifact_prefix="$findings/" "$corpus"
  rc=$?
  set -e
  for artifact in "$findings"/*; do
    [ -e "$artifact" ] || continue
    name=$(basename "$artifact")
    # Inputs that are only slow or large stay within the run's documented
    # limits (the hostile-input tests bound them); they are reported, not
    # failures. Crashes, leaks and sanitizer reports are.
    if [[ $name == slow-unit-* || $name == timeout-* || $name == oom-* ]]; then
      echo "== $target: slow or large input (not a failure): $artifact"
      continue
    fi
    cp "$artifact" "$here/regressions/$target-$name"
    echo "== $target: finding saved as fuzz/regressions/$target-$name" >&2
    status=1
  done
  # Fork mode ends with the status of its last job, so a job that timed out
  # just before the time was up gives 70 (libFuzzer's timeout status); the
  # timeout itself is reported above, and a crash leaves its own artifact.
  if [ $rc -ne 0 ] && [ $rc -ne 70 ]; then
    echo "== $target: libFuzzer exited with status $rc" >&2
    status=1
  fi
done
exit $status
