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
  jq
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
  dpkg-dev
  wine
  wine64
)

if [ "$(id -u)" -eq 0 ]; then
  como_root=()
else
  como_root=(sudo)
fi

# The Windows build compiles freeglut from Debian's source package, which
# apt-get source finds only through a deb-src entry. Unless one stands
# already, the entries of the release's own suite are copied with deb-src for
# deb, in the format the machine writes them in: deb822 .sources files or
# one-line sources.list.
suite="$(. /etc/os-release && echo "$VERSION_CODENAME")"
entradasDeFuentes() {
    if [ "$1" = sources ]; then
        # Paragraph mode: one stanza a record.
        awk -v suite="$suite" 'BEGIN { RS = ""; ORS = "\n\n" }
            $0 ~ "(^|\n)Suites:([^\n]*[ \t])?" suite "([ \t\n]|$)" {
                sub(/(^|\n)Types:[^\n]*/, "\nTypes: deb-src"); sub(/^\n/, ""); print }' \
            /etc/apt/sources.list.d/*.sources
    else
        sed -nE "s/^deb([[:space:]].*[[:space:]]$suite[[:space:]])/deb-src\1/p" /etc/apt/sources.list
    fi
}
if ! grep -qsE '^(deb-src|Types:.*deb-src)' /etc/apt/sources.list /etc/apt/sources.list.d/*.list \
    /etc/apt/sources.list.d/*.sources; then
    formato=list
    if compgen -G '/etc/apt/sources.list.d/*.sources' >/dev/null; then
        formato=sources
    fi
    entradasDeFuentes "$formato" |
        "${como_root[@]}" tee "/etc/apt/sources.list.d/trelvik2d-fuentes.$formato" >/dev/null
fi

"${como_root[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${como_root[@]}" apt-get install -y --no-install-recommends "${paquetes[@]}"
