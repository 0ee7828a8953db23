#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz/ and runs one of them for a while.
# Usage: scripts/fuzz.sh TARGET [SECONDS]     e.g. scripts/fuzz.sh fuzz_ini 120
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh clang libclang-rt-dev
if [ ! -f build-fuzz/build.ninja ]; then
  CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQUORVANE_FUZZ=ON -DQUORVANE_TESTS=OFF -DQUORVANE_BENCH=OFF
fi
target="${1:?name a fuzz target, e.g. fuzz_ini}"
cmake --build build-fuzz --target "$target"
corpus="fuzz/corpus-$target"
mkdir -p "$corpus"
seeds="fuzz/seeds/$target"
[ -d "$seeds" ] || seeds=""
dictionary=""
[ -f "fuzz/$target.dict" ] && dictionary="-dict=fuzz/$target.dict"
build-fuzz/bin/"$target" -max_total_time="${2:-60}" -rss_limit_mb=2048 $dictionary "$corpus" $seeds
