#!/usr/bin/env bash
# Installs, through apt-get, whatever the build and the tests need and this machine lacks.
set -euo pipefail

packages=(
  g++ make cmake ninja-build pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev
  bison
  qt6-base-dev libqscintilla2-qt6-dev libgl-dev fonts-liberation
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "deps.sh: installing ${missing[*]}" >&2
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null 2>&1 || { echo "deps.sh: need root or sudo to install ${missing[*]}" >&2; exit 1; }
  sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
# Progress goes to stderr so that scripts/run.sh prints only the translation on stdout.
$sudo apt-get update -qq >&2
$sudo apt-get install -y -qq "${missing[@]}" >&2
