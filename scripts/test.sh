#!/usr/bin/env bash
# Installs what is missing, then the gates CI runs (.ci/run calls this):
#   1. build/ with warnings as errors, every test;
#   2. build-asan/ (Debug, AddressSanitizer + UndefinedBehaviorSanitizer,
#      warnings as errors): the test runners only, every test;
#   3. the formatting check (scripts/check-format.sh).
# A formatting failure is reported at once but does not stop the tests; the
# script fails at the end. Running it again rebuilds only what changed.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)

./scripts/setup.sh

format_status=0
./scripts/check-format.sh || format_status=$?

echo "== build/: warnings as errors"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTREL_WERROR=ON -DVANTREL_SANITIZE=OFF
cmake --build build -j "$jobs"
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs")

# Debug: a sanitized optimised build takes longer to compile than all of its
# tests take to run. The program and the benchmarks are left out.
echo "== build-asan/: AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVANTREL_WERROR=ON -DVANTREL_SANITIZE=ON
cmake --build build-asan -j "$jobs" --target vantrel_tests
# halt_on_error: the first finding fails the test; leaks are checked at exit.
# No suppressions are needed: Qt (offscreen, fontconfig included) reports
# nothing under these tests.
(cd build-asan &&
  QT_QPA_PLATFORM=offscreen \
  ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1 \
  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  ctest --output-on-failure -j "$jobs")

if [ $format_status -ne 0 ]; then
  echo "Every test passed, but some files are not formatted (see the start of this output)." >&2
  exit 1
fi
echo "Every gate passed."
