#!/usr/bin/env bash
# Starts Tabulo under a virtual X display on the bundled example and writes a
# PNG picture of its window (default: docs/screenshot.png).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-$root/docs/screenshot.png}")  # absolute: the program changes its current folder
"$root/scripts/deps.sh"
cmake -S "$root" -B "$root/build/release" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTABULO_BUILD_TESTS=OFF >/dev/null
cmake --build "$root/build/release" --target tabulo
mkdir -p "$(dirname "$out")"
config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
# A fresh settings folder, so the picture shows the program as a new user sees it.
TABULO_CONFIG_DIR=$config TABULO_SCREENSHOT=$out \
  xvfb-run -a -s "-screen 0 1280x800x24" "$root/build/release/src/ui/tabulo" "$root/examples/sample.csv"
echo "screenshot written to $out"
