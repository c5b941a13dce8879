#!/bin/bash
# Installs the dependencies, builds everything and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/instalar-dependencias.sh
bash scripts/compilar.sh
ctest --test-dir build --output-on-failure -j "$(nproc)"
