#!/bin/sh
# Builds the native benchmark and runs it on the shipped dictionary and on a large one that
# is generated from Debian's wamerican-insane into the build tree, printing the figures.
#
#   tools/bench.sh [Google Benchmark flags, e.g. --benchmark_filter=Check]
#   tools/bench.sh --language-server [bench/language_server_pipe.py's flags]
#
# The second form builds morvane-check and times its language server through a pipe on a
# 1 MB Markdown document, beside cspell (installed with npm into build/bench-peers on first
# use) and morvane-check -l, as whole processes.
#
# MORVANE_BUILD_DIR picks the build directory (default: build/native, the native preset's).
# The packages come from tools/setup.sh.
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
build=${MORVANE_BUILD_DIR:-$here/build/native}

cd "$here"
cmake --preset native -B "$build" >/dev/null
if [ "${1:-}" = --language-server ]; then
    shift
    cmake --build "$build" --target morvane-check
    echo "bench: $(nproc) CPUs, $(uname -sr), $(date -u '+%Y-%m-%d %H:%M UTC')"
    exec python3 "$here/bench/language_server_pipe.py" --morvane "$build/bin/morvane-check" "$@"
fi
cmake --build "$build" --target morvane_bench morvane_large_dictionary
echo "bench: $(nproc) CPUs, $(uname -sr), $(date -u '+%Y-%m-%d %H:%M UTC')"
exec "$build/bin/morvane_bench" "$@"
