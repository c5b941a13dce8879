#!/bin/bash
# Configures the build in build/ and builds the targets named as arguments,
# or everything when none is named: the program, the tests and the
# benchmark.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
objetivos=()
[ "$#" -eq 0 ] || objetivos=(--target "$@")
cmake --build build -j "$(nproc)" "${objetivos[@]}"
