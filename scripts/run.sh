#!/usr/bin/env bash
# Builds Morvane and runs it on a C file (default: the bundled examples/sample.c).
# With a display it opens the desktop window; without one it prints the translation.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
file="${1:-$root/examples/sample.c}"
"$root/scripts/deps.sh"
"$root/scripts/build.sh" >/dev/null || { echo "run.sh: the build failed; scripts/build.sh shows why" >&2; exit 1; }
bin="$root/build/${MORVANE_BUILD_NAME:-dev}"  # where build.sh put it
if [ -x "$bin/app/gui/morvane" ] && { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; }; then
  exec "$bin/app/gui/morvane" "$file"
fi
exec "$bin/cli/morvane-cli" "$file"
