#!/usr/bin/env bash
# Builds Kestrin with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test (unit and
# end-to-end) through CTest. Installs what is missing first. This is what CI runs.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
build=${KESTRIN_TEST_BUILD_DIR:-build-test}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKESTRIN_SANITIZE=ON -DKESTRIN_STRICT=ON \
    -DKESTRIN_TESTS=ON
cmake --build "$build" -j "$(nproc)"
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
