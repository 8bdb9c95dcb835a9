#!/bin/sh
# Builds the libFuzzer targets (fuzz preset, clang) and runs each of them in turn; SECONDS
# (default 600) is the time for all of them together, shared evenly. Each target starts from
# the seeds in fuzz/corpus/<target> and keeps what it finds in the build tree, so later runs
# go on from there. A difference from the plain implementation or a sanitizer report stops
# the run with status 1; the input that caused it is kept and its path printed.
#
#   tools/fuzz.sh [SECONDS]
#
# MORVANE_BUILD_DIR picks the build directory (default: build/fuzz, the fuzz preset's).
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
build=${MORVANE_BUILD_DIR:-$here/build/fuzz}
total=${1:-600}
targets="word_list spelling check text_words lsp_message lsp_document"

case $total in
  ''|*[!0-9]*) echo "usage: tools/fuzz.sh [SECONDS]" >&2; exit 2 ;;
esac
count=$(echo $targets | wc -w)
share=$((total / count))
[ "$share" -ge 1 ] || share=1

cd "$here"
cmake --preset fuzz -B "$build" >/dev/null
cmake --build "$build" --target $(for t in $targets; do printf 'morvane_fuzz_%s ' "$t"; done) >/dev/null

status=0
for t in $targets; do
  work="$build/fuzz-work/$t"
  mkdir -p "$work/corpus" "$work/artifacts"
  log="$work/last-run.log"
  if "$build/bin/morvane_fuzz_$t" -max_total_time="$share" -timeout=10 -rss_limit_mb=2048 \
       -print_final_stats=1 -artifact_prefix="$work/artifacts/" \
       "$work/corpus" "$here/fuzz/corpus/$t" >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    cov=$(sed -n 's/^#[0-9]*[[:space:]]*DONE[[:space:]]*cov: \([0-9]*\).*/\1/p' "$log" | tail -n 1)
    echo "fuzz: $t: ${runs:-?} inputs in ${share} s, coverage ${cov:-?}, no difference found"
  else
    status=1
    echo "fuzz: $t: FAILED; the end of $log:" >&2
    tail -n 30 "$log" >&2
    ls "$work/artifacts/" | sed "s|^|fuzz: input kept: $work/artifacts/|" >&2
  fi
done
exit $status
