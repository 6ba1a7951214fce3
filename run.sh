#!/usr/bin/env bash
# Builds Yucarra (installing what it needs) and starts it.
set -euo pipefail
cd "$(dirname "$0")"
./deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target yucarra -j"$(nproc)"
exec ./build/yucarra "$@"
