#!/usr/bin/env bash
# Sets up a fresh Debian machine, builds everything and runs every test:
#  1. the unit and batch-tool tests (g++, warnings as errors);
#  2. the Debian package, built and checked by scripts/check-package.sh;
#  3. the same tests under the address and undefined-behaviour sanitizers;
#  4. every fuzz target for a short while (clang, libFuzzer), from its seeds.
# FUZZ_SECONDS sets the time per fuzz target (default 20).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
fuzz_seconds=${FUZZ_SECONDS:-20}
"$root/scripts/deps.sh"

step() { printf '\n== %s ==\n' "$*"; }

step "unit tests"
cmake -S "$root" -B "$root/build/debug" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTABULO_WERROR=ON
cmake --build "$root/build/debug"
ctest --test-dir "$root/build/debug" --output-on-failure --timeout 600 -j 2

step "package"
"$root/scripts/check-package.sh"

step "unit tests with sanitizers"
cmake -S "$root" -B "$root/build/asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTABULO_SANITIZE=ON -DTABULO_BUILD_BENCH=OFF
cmake --build "$root/build/asan"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir "$root/build/asan" --output-on-failure --timeout 900 -j 2

step "fuzz targets, ${fuzz_seconds} s each"
CXX=clang++-14 cmake -S "$root" -B "$root/build/fuzz" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTABULO_FUZZ=ON -DTABULO_BUILD_TESTS=OFF -DTABULO_BUILD_BENCH=OFF
cmake --build "$root/build/fuzz"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for target in "$root"/build/fuzz/fuzz/Fuzz*; do
  [ -x "$target" ] || continue
  name=$(basename "$target")
  mkdir -p "$work/$name"
  cp -r "$root/fuzz/corpus/$name/." "$work/$name/" 2>/dev/null || true
  echo "-- $name"
  "$target" "$work/$name" -max_total_time="$fuzz_seconds" -rss_limit_mb=4096 -timeout=20 \
    -artifact_prefix="$work/$name-" -print_final_stats=0 2>&1 | grep -E '^(Done|==[0-9]+==ERROR|SUMMARY)' || true
  if ls "$work/$name"-* >/dev/null 2>&1; then
    echo "fuzz target $name found a failing input:" >&2
    ls "$work/$name"-* >&2
    exit 1
  fi
done

step "all tests passed"
