#!/usr/bin/env bash
# Builds Yucarra with its tests (installing what it needs) and runs them
# headless, then the further check stages in scripts/ (each may be run alone).
set -euo pipefail
cd "$(dirname "$0")"
./deps.sh --test
export QT_QPA_PLATFORM=offscreen
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
ctest --test-dir build --output-on-failure -j"$(nproc)"
for stage in scripts/test-*.sh; do
  [ -e "$stage" ] || continue
  echo "== ${stage#scripts/}"
  bash "$stage"
done
