#!/bin/bash
# Builds the Windows program, build-windows/trelvik2d.exe, with Debian's
# mingw-w64 through the project's own CMake build, with the warnings treated
# as errors. Debian has no Windows build of freeglut: it is compiled once, as
# a static library, from Debian's own source package (apt-get source, which
# needs a deb-src entry: scripts/instalar-dependencias.sh adds one), and a
# second run reuses it. Eigen is header-only, so Debian's headers serve. The
# tests, which need POSIX calls and Xvfb, are not built; tests/e2e/windows.sh
# runs the program under wine.
set -euo pipefail
cd "$(dirname "$0")/.."

salida="$(pwd)/build-windows"
freeglut="$salida/freeglut"
mingw=(-DCMAKE_SYSTEM_NAME=Windows -DCMAKE_FIND_ROOT_PATH=/usr/x86_64-w64-mingw32 -DCMAKE_BUILD_TYPE=Release)

# The header the program includes, glut.h, is copied last, since freeglut's
# install step leaves it out: its presence says the library is whole.
if [ ! -f "$freeglut/include/GL/glut.h" ]; then
    rm -rf "$salida/freeglut-fuente" "$salida/freeglut-obra" "$freeglut"
    mkdir -p "$salida/freeglut-fuente"
    (cd "$salida/freeglut-fuente" && apt-get source -q freeglut >/dev/null)
    fuente="$(echo "$salida"/freeglut-fuente/freeglut-*/)"
    cmake -S "$fuente" -B "$salida/freeglut-obra" "${mingw[@]}" \
          -DCMAKE_C_COMPILER=x86_64-w64-mingw32-gcc-posix -DCMAKE_RC_COMPILER=x86_64-w64-mingw32-windres \
          -DFREEGLUT_BUILD_STATIC_LIBS=ON -DFREEGLUT_BUILD_SHARED_LIBS=OFF -DFREEGLUT_BUILD_DEMOS=OFF \
          -DCMAKE_INSTALL_PREFIX="$freeglut" >/dev/null
    cmake --build "$salida/freeglut-obra" -j "$(nproc)" >/dev/null
    cmake --install "$salida/freeglut-obra" >/dev/null
    cp "$fuente/include/GL/glut.h" "$freeglut/include/GL/"
fi

cmake -S . -B "$salida" "${mingw[@]}" -DCMAKE_CXX_COMPILER=x86_64-w64-mingw32-g++-posix \
      -DCMAKE_CXX_FLAGS=-Werror -DTRELVIK2D_PRUEBAS=OFF -DTRELVIK2D_BENCH=OFF \
      -DEigen3_DIR=/usr/share/eigen3/cmake \
      -DGLUT_INCLUDE_DIR="$freeglut/include" -DGLUT_glut_LIBRARY_RELEASE="$freeglut/lib/libfreeglut_static.a"
cmake --build "$salida" -j "$(nproc)" --target trelvik2d
