#!/bin/bash
# Builds the library and the tests with AddressSanitizer and
# UndefinedBehaviorSanitizer in build-san/ and runs the whole suite there;
# any report ends its test as failed.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-san -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DTRELVIK2D_SANITIZADORES=ON -DTRELVIK2D_BENCH=OFF
cmake --build build-san -j "$(nproc)"

# The program answers a failed allocation with its own line, so the
# sanitizer's allocator must fail as the standard one does. stdbuf, which the
# end-to-end scripts use, preloads a library of its own ahead of the runtime.
opciones=allocator_may_return_null=1:verify_asan_link_order=0
export UBSAN_OPTIONS=print_stacktrace=1
ASAN_OPTIONS=$opciones ctest --test-dir build-san --output-on-failure -j "$(nproc)" -LE grafica
# Mesa unloads its driver at exit, before the leak check, so the leaks of the
# graphics stack cannot be told from the program's own there: the viewer's
# tests run without it; the memory check of the real program, which valgrind
# runs in the normal build only, covers them.
ASAN_OPTIONS=$opciones:detect_leaks=0 ctest --test-dir build-san --output-on-failure -j "$(nproc)" \
    -L grafica -LE memoria
