#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the editor need (figlet: its fonts are
# copied into the program's Fonts folder by the build; desktop-file-utils checks the installed
# desktop entry); with the argument "bench" also what the conversion timings of scripts/
# measure against, with "browser" the headless browser the page check of
# `make browser-test` renders with, with "fuzz" the clang, its libFuzzer and sanitizer
# runtimes and the symbolizer `make fuzz` builds and runs with.
# Idempotent: only packages that are missing are installed.
set -euo pipefail

packages=(
  build-essential
  cmake
  ninja-build
  pkg-config
  qt6-base-dev
  qt6-svg-dev
  libgl-dev
  libxcb1-dev
  libstb-dev
  libjpeg-dev
  libpng-dev
  libgtest-dev
  libgmock-dev
  libbenchmark-dev
  nlohmann-json3-dev
  fonts-liberation
  fontconfig
  xvfb
  xauth
  imagemagick
  figlet
  desktop-file-utils
)
if [ "${1:-}" = bench ]; then
  # The peers of the conversion timings and the photos they convert.
  packages+=(ansifilter jp2a chafa ansilove hyperfine lomiri-wallpapers-20.04 mate-backgrounds)
fi
if [ "${1:-}" = browser ]; then
  packages+=(chromium)
fi
if [ "${1:-}" = fuzz ]; then
  packages+=(clang libclang-rt-dev llvm)
fi

missing=()
for pkg in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$pkg")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -eq 0 ]; then
  sudo=()
else
  sudo=(sudo)
fi

echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
