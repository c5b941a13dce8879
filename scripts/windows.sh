#!/bin/bash
# Cross-compiles every source under src/ for Windows with Debian's mingw-w64
# through the project's own CMake build, in build-windows/, with the
# warnings treated as errors: the core library (all but main) and the
# program's entry with main. Eigen is header-only, so Debian's headers
# serve. The viewer is compiled against freeglut's headers from Debian's
# package, which alone are put on the path, so that the GL/gl.h and GL/glu.h
# they include are mingw's own. Debian has no Windows build of freeglut, so
# the program is not linked and the library is only named for CMake to find;
# README.md tells how to build the program on Windows.
set -euo pipefail
cd "$(dirname "$0")/.."

salida=build-windows
glut="$(pwd)/$salida/glut"
mkdir -p "$glut/GL"
ln -sf /usr/include/GL/freeglut*.h /usr/include/GL/glut.h "$glut/GL/"

# The Makefile generator builds a single object, here main's, by its name.
cmake -S . -B "$salida" -G "Unix Makefiles" -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_SYSTEM_NAME=Windows -DCMAKE_CXX_COMPILER=x86_64-w64-mingw32-g++-posix \
      -DCMAKE_FIND_ROOT_PATH=/usr/x86_64-w64-mingw32 -DCMAKE_CXX_FLAGS=-Werror \
      -DTRELVIK2D_PRUEBAS=OFF -DTRELVIK2D_BENCH=OFF \
      -DEigen3_DIR=/usr/share/eigen3/cmake \
      -DGLUT_INCLUDE_DIR="$glut" -DGLUT_glut_LIBRARY_RELEASE:STRING=freeglut
cmake --build "$salida" -j "$(nproc)" --target trelvik2dNucleo
cmake --build "$salida" --target src/trelvik2d.cpp.obj
