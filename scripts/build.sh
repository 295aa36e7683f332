#!/usr/bin/env bash
# Configures build/ and builds the targets given (program folder: build/bin); with none,
# everything: the programs, every test and benchmark. CMAKE_BUILD_PARALLEL_LEVEL caps the jobs.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
targets=()
for target in "$@"; do targets+=(--target "$target"); done
cmake --build build --parallel "${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}" "${targets[@]}"
