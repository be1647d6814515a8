#!/usr/bin/env bash
# Builds Rivetbench and shows an aircraft: the folder given, or the bundled sample aircraft.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" --target rivetbench-cfg >/dev/null
exec build/rivetbench-cfg show "${1:-samples/aircraft}"
