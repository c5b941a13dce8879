#!/bin/bash
# Times the reading of model files of 1,000, 4,000 and 16,000 blocks
# (build/bench/rendimientoLectura, which scripts/compilar.sh builds) and
# fails unless the time per block stays within twice its smallest value and
# 16,000 blocks are read in under a second. Each size counts the least of
# five repetitions: a busy machine slows some repetitions, seldom all five of
# one size, so the check holds there too, while a reading that is not linear
# (16 times the blocks, far more than 16 times the time) still fails it.
set -euo pipefail
cd "$(dirname "$0")/.."
resultados="$(mktemp)"
trap 'rm -f "$resultados"' EXIT
build/bench/rendimientoLectura --benchmark_repetitions=5 --benchmark_format=json >"$resultados"
# Times are in the benchmark's unit, milliseconds; "porBloque" in seconds.
jq -r '
  [.benchmarks[] | select(.run_type == "iteration")]
  | group_by(.per_family_instance_index)
  | map({nombre: .[0].run_name, porBloque: (map(.porBloque) | min), segundos: ((map(.real_time) | min) / 1000)})
  | (map(.porBloque) | min) as $menor
  | (.[] | "\(.nombre): \(.porBloque * 1e6) µs por bloque, \(.segundos) s por lectura"),
    if all(.[]; .porBloque <= 2 * $menor) and all(.[] | select(.nombre | endswith("/16000")); .segundos < 1)
    then "la lectura es lineal"
    else error("la lectura no es lineal: el tiempo por bloque pasa del doble del menor, o 16000 bloques tardan 1 s o más")
    end
' "$resultados"
