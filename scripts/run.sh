#!/usr/bin/env bash
# Sets up a fresh Debian machine, builds Tabulo and opens the bundled example.
# Until the window arrives, the batch tool shows the example's document.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
cmake -S "$root" -B "$root/build/release" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTABULO_BUILD_TESTS=OFF
cmake --build "$root/build/release"
exec "$root/build/release/src/cli/tabulo-cli" show "$root/examples/sample.csv"
