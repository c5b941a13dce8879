#!/bin/bash
# Brings every build, test and run dependency onto a Debian 12 machine.
# Safe to run again: apt-get installs only what is missing.
set -euo pipefail

paquetes=(
  build-essential
  cmake
  libeigen3-dev
  freeglut3-dev
  libgl-dev
  libglu1-mesa-dev
  libx11-dev
  libgl1-mesa-dri
  libgtest-dev
  libbenchmark-dev
  xvfb
  xauth
  xdotool
  x11-xkb-utils
  x11-apps
  imagemagick
  valgrind
  clang
  clang-format
  libclang-rt-14-dev
  llvm
  g++-mingw-w64-x86-64-posix
)

if [ "$(id -u)" -eq 0 ]; then
  como_root=()
else
  como_root=(sudo)
fi

"${como_root[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${como_root[@]}" apt-get install -y --no-install-recommends "${paquetes[@]}"
