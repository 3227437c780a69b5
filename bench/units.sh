#!/usr/bin/env bash
# Runs the built-in units benchmark of a build: bench/units.sh BUILD_DIR [--quick]
# Builds nothing: build first, in Release for figures worth comparing, e.g.
#   cmake -S . -B build/rel -G Ninja -DCMAKE_BUILD_TYPE=Release &&
#   cmake --build build/rel --target zelvani-bench-units zelvani-cli
# The peers are sox and rubberband (Debian's sox and rubberband-cli).
set -euo pipefail

if [[ $# -lt 1 || $1 == -h || $1 == --help ]]; then
    echo "Usage: $0 BUILD_DIR [--quick]" >&2
    exit 2
fi
build=$1
shift
for program in "$build/bench/zelvani-bench-units" "$build/bin/zelvani-cli"; do
    if [[ ! -x $program ]]; then
        echo "$0: $program is missing; build the targets zelvani-bench-units and zelvani-cli in $build first" >&2
        exit 1
    fi
done
if ! grep -qE '^CMAKE_BUILD_TYPE:STRING=Release$' "$build/CMakeCache.txt" 2>/dev/null; then
    echo "$0: warning: $build is not a Release build; its figures are not representative" >&2
fi
exec "$build/bench/zelvani-bench-units" --cli "$build/bin/zelvani-cli" "$@"
