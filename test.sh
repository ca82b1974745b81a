#!/usr/bin/env bash
# Installs what is missing, builds the tests and runs them headless.
#   ./test.sh             every test
#   ./test.sh --sanitize  the same, built with AddressSanitizer and UBSan
set -euo pipefail
cd "$(dirname "$0")"
./scripts/deps.sh
build=build-test
flags=(-DCMAKE_BUILD_TYPE=Debug -DCAIXA_BUILD_TESTS=ON)
if [ "${1:-}" = "--sanitize" ]; then
  build=build-sanitize
  flags+=(-DCAIXA_SANITIZE=ON)
  shift
fi
cmake -S . -B "$build" -G Ninja "${flags[@]}" >/dev/null
cmake --build "$build"
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)" "$@"
