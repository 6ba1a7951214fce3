#!/usr/bin/env bash
# Fuzzes the number reading rule, the two calculations, the profile reader and the evaluation for a short fixed
# time each (libFuzzer, so only where clang is present). Longer runs:
#   YUCARRA_FUZZ_SECONDS=600 scripts/test-fuzz.sh
set -euo pipefail
cd "$(dirname "$0")/.."
if ! command -v clang++ >/dev/null; then
  echo "clang++ not found: fuzzing skipped"
  exit 0
fi
export QT_QPA_PLATFORM=offscreen
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DYUCARRA_FUZZ_SECONDS="${YUCARRA_FUZZ_SECONDS:-20}" >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target fuzz_readnumber fuzz_nvalue fuzz_texture fuzz_profile fuzz_evaluation
ctest --test-dir build-fuzz -L fuzz --output-on-failure -j"$(nproc)"
