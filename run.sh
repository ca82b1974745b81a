#!/usr/bin/env bash
# Installs what is missing, builds the program, prepares the demo program
# folder (./demo) and starts the program.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/deps.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DCAIXA_BUILD_TESTS=OFF >/dev/null
cmake --build build-release
dir="$(./scripts/make_demo.sh demo)"
export CAIXA_DIR="$dir"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" build-release/app/caixa "$@"
fi
exec build-release/app/caixa "$@"
