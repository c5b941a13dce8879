#!/bin/bash
# Installs the dependencies, checks the format of the sources, builds
# everything and runs the whole test suite, then the suite again under the
# sanitizers, then a bounded fuzz run.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/instalar-dependencias.sh
# The format first: it takes a second, needs no build, and names every line
# that the repository's .clang-format would change.
find src tests bench fuzz -type f \( -name '*.cpp' -o -name '*.h' \) -print0 |
    xargs -0 clang-format --dry-run -Werror
bash scripts/compilar.sh
# The Windows program is built and run under wine beside the Linux one.
bash scripts/windows.sh
bash tests/conXvfb.sh bash tests/e2e/windows.sh build-windows/trelvik2d.exe build/trelvik2d
ctest --test-dir build --output-on-failure -j "$(nproc)"
# The reading stays linear in the size of the file.
bash scripts/medirLectura.sh
bash scripts/sanitizar.sh
bash scripts/fuzz.sh 120
