#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build and test Rivetbench.
set -euo pipefail
packages=(build-essential cmake ninja-build libgtest-dev libgmock-dev libbenchmark-dev diffutils
          qt6-base-dev qt6-base-dev-tools libgl-dev qt6-multimedia-dev qt6-svg-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
