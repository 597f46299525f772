#!/usr/bin/env bash
# Builds and runs every test: the debug build with the window tests on an
# offscreen display, the same tests under AddressSanitizer and
# UndefinedBehaviorSanitizer, and a short run of each fuzzer on its corpus.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen

for preset in dev asan fuzz; do
  echo "== $preset: configure, build, test"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done
