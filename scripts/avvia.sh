#!/usr/bin/env bash
# Installs what is missing, builds the program and opens the bundled sample wall.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/installa-dipendenze.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" --target korvane_setti
exec build/korvane_setti "$PWD/samples/PARETE_ESEMPIO.SET"
