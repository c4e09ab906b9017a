#!/bin/sh
# Runs every fuzz target of a build tree in turn, each for RUNS executions or
# SECONDS seconds, whichever comes first, and prints what each one did.
#
#   fuzz/run.sh <build dir> [seconds] [runs]
#
# Each target starts from its seeds in fuzz/corpus/<name>/ and from what
# earlier runs learnt (kept in the build tree); a crash leaves its input in
# <build dir>/fuzz/work/<name>/artifacts/ and makes this script fail.
set -eu

build=${1:?usage: fuzz/run.sh <build dir> [seconds] [runs]}
seconds=${2:-600}
runs=${3:-10000000}
sources=$(cd "$(dirname "$0")" && pwd)
failed=0
summary=""

for program in "$build"/fuzz/fuzz_*; do
    [ -x "$program" ] || continue
    name=${program##*/fuzz_}
    work="$build/fuzz/work/$name"
    log="$work/last-run.log"
    mkdir -p "$work/corpus" "$work/artifacts"
    echo "== fuzz_$name: up to $runs executions or $seconds s"
    status=ok
    started=$(date +%s)
    if ! "$program" -runs="$runs" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$work/artifacts/" "$work/corpus" "$sources/corpus/$name" \
        >"$log" 2>&1; then
        status="FAILED (see $log)"
        failed=1
        tail -n 40 "$log"
    fi
    elapsed=$(($(date +%s) - started))
    executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    coverage=$(sed -n 's/^#[0-9]*[[:space:]]*DONE[[:space:]]*cov: \([0-9]*\).*/\1/p' "$log")
    summary="$summary$(printf '%-22s %12s %8s %8s  %s' "fuzz_$name" "${executions:-?}" \
        "${elapsed:-?}" "${coverage:-?}" "$status")
"
done

echo
printf '%-22s %12s %8s %8s  %s\n' target executions seconds coverage result
printf '%s' "$summary"
exit $failed
