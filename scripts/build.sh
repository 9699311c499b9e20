#!/usr/bin/env bash
# Configures and builds the project into build/<name> (default: build/dev). Extra arguments go to cmake.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
name="${MORVANE_BUILD_NAME:-dev}"
dir="$root/build/$name"
cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="${MORVANE_BUILD_TYPE:-RelWithDebInfo}" "$@" >/dev/null
cmake --build "$dir" --parallel "$(nproc)"
