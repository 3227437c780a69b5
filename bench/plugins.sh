#!/usr/bin/env bash
# Runs the plug-in benchmark of a build: bench/plugins.sh BUILD_DIR [--quick]
# Builds nothing: build first, in Release for figures worth comparing, e.g.
#   cmake -S . -B build/rel -G Ninja -DCMAKE_BUILD_TYPE=Release &&
#   cmake --build build/rel --target zelvani-bench-plugins zelvani_presets
# The peers are ZamGate and ZamComp of Debian's zam-plugins.
set -euo pipefail

if [[ $# -lt 1 || $1 == -h || $1 == --help ]]; then
    echo "Usage: $0 BUILD_DIR [--quick]" >&2
    exit 2
fi
build=$1
shift
program=$build/bench/zelvani-bench-plugins
if [[ ! -x $program || ! -d $build/bin/resources/vst ]]; then
    echo "$0: build the targets zelvani-bench-plugins and zelvani_presets in $build first" >&2
    exit 1
fi
if ! grep -qE '^CMAKE_BUILD_TYPE:STRING=Release$' "$build/CMakeCache.txt" 2>/dev/null; then
    echo "$0: warning: $build is not a Release build; its figures are not representative" >&2
fi
[[ -d /usr/lib/vst ]] || echo "$0: warning: zam-plugins is missing (scripts/install-deps); no peer figures" >&2
exec "$program" --plugins "$build/bin/resources/vst" "$@"
