#!/usr/bin/env bash
# Runs the latency benchmark of a build: bench/latency.sh BUILD_DIR [--quick]
# Builds nothing: build first, in Release for figures worth comparing, e.g.
#   cmake -S . -B build/rel -G Ninja -DCMAKE_BUILD_TYPE=Release &&
#   cmake --build build/rel --target zelvani-bench-latency zelvani-cli
# Runs on a private sound server (scripts/pulse-env) with the virtual cable
# installed, stopped at the end; the user's own sound set-up is not touched.
# The peers are PulseAudio's module-loopback and sox with its pulseaudio driver
# (Debian's sox and libsox-fmt-pulse).
set -euo pipefail

if [[ $# -lt 1 || $1 == -h || $1 == --help ]]; then
    echo "Usage: $0 BUILD_DIR [--quick]" >&2
    exit 2
fi
build=$1
shift
for arg in "$@"; do
    if [[ $arg != --quick && $arg != --json ]]; then
        echo "Usage: $0 BUILD_DIR [--quick]" >&2
        exit 2
    fi
done
here=$(cd "$(dirname "$0")/.." && pwd)
program=$build/bench/zelvani-bench-latency
cli=$build/bin/zelvani-cli
for file in "$program" "$cli"; do
    if [[ ! -x $file ]]; then
        echo "$0: $file is missing; build the targets zelvani-bench-latency and zelvani-cli in $build first" >&2
        exit 1
    fi
done
cli=$(cd "$(dirname "$cli")" && pwd)/zelvani-cli
if ! grep -qE '^CMAKE_BUILD_TYPE:STRING=Release$' "$build/CMakeCache.txt" 2>/dev/null; then
    echo "$0: warning: $build is not a Release build; its figures are not representative" >&2
fi
if ! sox -h 2>/dev/null | grep -q '^AUDIO DEVICE DRIVERS:.*pulseaudio'; then
    echo "$0: warning: sox or its pulseaudio driver is missing (scripts/install-deps); no sox figures" >&2
fi

dir=$(mktemp -d /tmp/zelvani-latency.XXXXXX)
trap '"$here/scripts/pulse-env" stop "$dir"; rm -rf "$dir"' EXIT
trap 'exit 130' INT TERM HUP
eval "$("$here/scripts/pulse-env" start "$dir")"
# The live engine reads its settings from here, not from the user's.
mkdir -p "$dir/bench/config" "$dir/bench/data"
export XDG_CONFIG_HOME=$dir/bench/config XDG_DATA_HOME=$dir/bench/data
if ! "$cli" cable install >"$dir/cable.log" 2>&1; then
    echo "$0: warning: zelvani-cli cable install failed; no cable figures:" >&2
    cat "$dir/cable.log" >&2
fi
"$program" --cli "$cli" "$@"
