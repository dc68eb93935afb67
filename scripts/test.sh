#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: once as a release
# build, once under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
bash scripts/build.sh build
ctest --test-dir build --output-on-failure -j "$(nproc)"
bash scripts/build.sh build-asan -DQZ_SANITIZE=ON
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j "$(nproc)"
