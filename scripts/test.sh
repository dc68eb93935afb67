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
# A short run of every libFuzzer target, when clang is there to build them;
# a crash fails the script and leaves its input in build-fuzz/.
if command -v clang++ >/dev/null; then
  CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DQZ_FUZZ=ON >/dev/null
  cmake --build build-fuzz --target fuzz_all
  for exe in build-fuzz/fuzz/*/*; do
    [ -f "$exe" ] && [ -x "$exe" ] || continue
    name=$(basename "$(dirname "$exe")")
    corpus=build-fuzz/corpus/$name
    mkdir -p "$corpus"
    if [ -d "fuzz/$name/corpus" ]; then find "fuzz/$name/corpus" -type f -exec cp {} "$corpus"/ \; ; fi
    "$exe" -max_total_time=20 -artifact_prefix=build-fuzz/ "$corpus"
  done
fi
