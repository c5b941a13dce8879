#!/bin/bash
# Installs the dependencies, builds the program alone and opens it on an
# example model (or on the input file given as the first argument).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/instalar-dependencias.sh
bash scripts/compilar.sh trelvik2d
modelo="${1:-examples/portico.txt}"
exec build/trelvik2d "$modelo"
