#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: once as a release
# build, the Debian package's checks, a short run of every libFuzzer target,
# and once more under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
bash scripts/build.sh build
ctest --test-dir build --output-on-failure -j "$(nproc)"

# The Debian package: built, checked, installed and started.
deb=$(cd build && bash ../scripts/package.sh | tail -n 1)
bash scripts/check-package.sh "$deb"

# A short run of every libFuzzer target, when clang is there to build them;
# a crash fails the script and leaves its input in build-fuzz/.
if command -v clang++ >/dev/null; then
  CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DQZ_FUZZ=ON >/dev/null
  if ! cmake --build build-fuzz --target fuzz_all >build-fuzz/build.log 2>&1; then
    tail -n 40 build-fuzz/build.log
    echo "fuzz build: FAILED (log in build-fuzz/build.log)"
    exit 1
  fi
  for exe in build-fuzz/fuzz/*/*; do
    [ -f "$exe" ] && [ -x "$exe" ] || continue
    name=$(basename "$(dirname "$exe")")
    corpus=build-fuzz/corpus/$name
    mkdir -p "$corpus"
    for seeds in fuzz/"$name"/corpus fuzz/"$name"/seeds; do
      [ -d "$seeds" ] && find "$seeds" -type f -exec cp {} "$corpus"/ \;
    done
    log=build-fuzz/$name.log
    dict=()
    for d in fuzz/"$name"/*.dict; do [ -f "$d" ] && dict=(-dict="$d"); done
    if "$exe" -max_total_time=20 "${dict[@]}" -artifact_prefix=build-fuzz/ "$corpus" >"$log" 2>&1; then
      echo "fuzz $name: $(grep -Eo 'Done [0-9]+ runs' "$log" || echo done), no failure"
    else
      tail -n 60 "$log"
      echo "fuzz $name: FAILED (input kept in build-fuzz/)"
      exit 1
    fi
  done
fi

bash scripts/build.sh build-asan -DQZ_SANITIZE=ON
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j "$(nproc)"
