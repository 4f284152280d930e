#!/usr/bin/env bash
# Builds the program and every test with AddressSanitizer and UndefinedBehaviorSanitizer (clang)
# in build-asan/ and runs the whole test suite there. Any sanitizer report fails its test.
# Takes well over half an hour on two cores, so it is not part of CI.
#   bash scripts/sanitize.sh            # build and run every test
#   bash scripts/sanitize.sh -R Memo    # only the tests matching a ctest regular expression
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
source scripts/sanitizer/configure.sh
source scripts/sanitizer/env.sh
cmake --build build-asan
cd build-asan
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2 --timeout 1800 "$@"
