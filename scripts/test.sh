#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/installa-dipendenze.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)"
export QT_QPA_PLATFORM=offscreen
# Run as root, the tests on folders the user cannot write skip: run them unprivileged too.
bash scripts/prove-senza-privilegi.sh build
ctest --test-dir build --output-on-failure -j "$(nproc)"
