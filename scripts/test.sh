#!/usr/bin/env bash
# Everything a fresh machine needs to run all the tests: dependencies, configure, build, ctest.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/deps.sh"
MORVANE_BUILD_NAME=test "$root/scripts/build.sh"
cd "$root/build/test"
ctest --output-on-failure --parallel "$(nproc)" --timeout 600
