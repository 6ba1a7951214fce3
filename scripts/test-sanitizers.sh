#!/usr/bin/env bash
# Builds the whole program and its tests with AddressSanitizer (leaks
# included) and UndefinedBehaviorSanitizer in build-asan and runs every test,
# the long soak walk among them; any sanitizer report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
# The font library's own caches only; a leak in our code stays fatal.
export LSAN_OPTIONS="suppressions=$PWD/tests/sanitizer/lsan.supp:print_suppressions=0"
# Optimised a little: the soak walk's 20,000 actions must not take all day.
cmake -S . -B build-asan -DYUCARRA_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" >/dev/null
cmake --build build-asan -j"$(nproc)"
# The code-style and package checks do not run the program's code: they were
# done in the main build already.
ctest --test-dir build-asan --output-on-failure -j"$(nproc)" -LE style -E '^package_'
