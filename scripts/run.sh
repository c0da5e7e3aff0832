#!/usr/bin/env bash
# Sets up a fresh Debian machine, builds Tabulo and starts it on the bundled
# example. Without a display (a bare server) the batch tool shows the
# example's document instead.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
cmake -S "$root" -B "$root/build/release" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTABULO_BUILD_TESTS=OFF
cmake --build "$root/build/release"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$root/build/release/src/ui/tabulo" "$root/examples/sample.csv"
fi
echo "No display found: showing the example with tabulo-cli instead." >&2
exec "$root/build/release/src/cli/tabulo-cli" show "$root/examples/sample.csv"
