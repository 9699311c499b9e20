#!/usr/bin/env bash
# Times morvane-cli on generated corpora of 5, 10 and 20 MB: doubling the size
# should roughly double the time. Usage: bench/scaling.sh [BUILD_DIR]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build/release}"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
for mb in 5 10 20; do
  "$build/bench/morvane-corpus" "${mb}M" > "$tmp/c$mb.c"
  start=$(date +%s%N)
  "$build/cli/morvane-cli" "$tmp/c$mb.c" -o "$tmp/c$mb.pas"
  end=$(date +%s%N)
  ms=$(( (end - start) / 1000000 ))
  printf '%3d MB: %d.%03d s\n' "$mb" $((ms / 1000)) $((ms % 1000))
done
