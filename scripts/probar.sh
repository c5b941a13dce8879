#!/bin/bash
# Installs the dependencies, builds everything and runs the whole test suite,
# then the suite again under the sanitizers, then a bounded fuzz run.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/instalar-dependencias.sh
bash scripts/compilar.sh
# Every source also cross-compiles for Windows.
bash scripts/windows.sh
ctest --test-dir build --output-on-failure -j "$(nproc)"
# The reading stays linear in the size of the file.
bash scripts/medirLectura.sh
bash scripts/sanitizar.sh
bash scripts/fuzz.sh 120
