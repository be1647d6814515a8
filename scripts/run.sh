#!/usr/bin/env bash
# Builds Rivetbench and starts its window. With nothing configured it opens a working copy of the
# bundled sample aircraft. Arguments go to the program (for example --timing).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" --target rivetbench >/dev/null
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display found: start it from a desktop session, or under xvfb-run." >&2
  exit 1
fi
exec build/rivetbench "$@"
