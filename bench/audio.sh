#!/usr/bin/env bash
# Runs the audio benchmark of a build: bench/audio.sh BUILD_DIR [--quick] [--sox PATH]
# Builds nothing: build first, in Release for figures worth comparing, e.g.
#   cmake -S . -B build/rel -G Ninja -DCMAKE_BUILD_TYPE=Release && cmake --build build/rel --target zelvani-bench-audio
set -euo pipefail

if [[ $# -lt 1 || $1 == -h || $1 == --help ]]; then
    echo "Usage: $0 BUILD_DIR [--quick] [--sox PATH]" >&2
    exit 2
fi
build=$1
shift
program=$build/bench/zelvani-bench-audio
if [[ ! -x $program ]]; then
    echo "$0: $program is missing; build the target zelvani-bench-audio in $build first" >&2
    exit 1
fi
if ! grep -qE '^CMAKE_BUILD_TYPE:STRING=Release$' "$build/CMakeCache.txt" 2>/dev/null; then
    echo "$0: warning: $build is not a Release build; its figures are not representative" >&2
fi
exec "$program" "$@"
