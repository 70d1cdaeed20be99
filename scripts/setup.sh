#!/usr/bin/env bash
# Installs what building, testing and running Hygrovia needs on Debian 12; with the word
# "windows", also what the Windows cross build and its run under Wine need.
# Safe to run again: it installs only what is missing.
set -euo pipefail

packages=(
  g++ make cmake ninja-build pkg-config
  qt6-base-dev qt6-svg-dev libgl-dev zlib1g-dev
  libgtest-dev libgmock-dev libbenchmark-dev libfmt-dev
  clang libclang-rt-14-dev
  fonts-liberation2 fontconfig locales
  desktop-file-utils
)
if [ "${1:-}" = windows ]; then
  packages+=(g++-mingw-w64-x86-64-posix googletest wine64)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ "${#missing[@]}" -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "setup: missing packages: ${missing[*]}; run as root to install them" >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update
  apt-get install -y --no-install-recommends "${missing[@]}"
fi

# The tests check number formatting under a locale that writes decimal commas.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  if [ "$(id -u)" -eq 0 ]; then
    localedef -i de_DE -f UTF-8 de_DE.UTF-8 || echo "setup: could not generate de_DE.UTF-8" >&2
  fi
fi
