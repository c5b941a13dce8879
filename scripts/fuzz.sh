#!/bin/bash
# Builds the fuzz target with clang in build-fuzz/ and runs it for a bounded
# time (seconds, 120 by default) on a corpus seeded with the examples and the
# test fixtures. A crash, a leak, a sanitizer report, an exception that
# escapes or an input slower than 10 s fails the run; the input that did it
# is kept in build-fuzz/hallazgos/.
set -euo pipefail
cd "$(dirname "$0")/.."
segundos="${1:-120}"
raiz="$(pwd)"

CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DTRELVIK2D_SANITIZADORES=ON -DTRELVIK2D_FUZZ=ON \
      -DTRELVIK2D_PRUEBAS=OFF -DTRELVIK2D_BENCH=OFF
cmake --build build-fuzz -j "$(nproc)" --target fuzzModelo

trabajo="$(mktemp -d)"
trap 'rm -rf "$trabajo"' EXIT
mkdir -p "$trabajo/corpus" build-fuzz/hallazgos
shopt -s nullglob
for semilla in examples/*.txt tests/datos/*.txt tests/e2e/*.txt tests/e2e/malos/*.txt; do
    cp "$semilla" "$trabajo/corpus/$(echo "$semilla" | tr / _)"
done

# The model file and its report are written in the work directory; the
# console lines are dropped (fd 1 closed) to keep the run fast.
cd "$trabajo"
ASAN_OPTIONS=allocator_may_return_null=1 UBSAN_OPTIONS=print_stacktrace=1 \
    "$raiz/build-fuzz/fuzz/fuzzModelo" corpus \
    -dict="$raiz/fuzz/etiquetas.dict" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
    -max_total_time="$segundos" -close_fd_mask=1 -print_final_stats=1 \
    -artifact_prefix="$raiz/build-fuzz/hallazgos/"
