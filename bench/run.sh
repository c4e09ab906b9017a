#!/bin/sh
# Runs the benchmarks of a build tree (configured with -DVELMORA_BENCH=ON) and
# prints one table: each figure, its budget and whether it keeps it. Every run
# also adds a line to BUILD_DIR/bench-history.tsv, so runs can be compared.
# The figures of the program on a display are taken under Xvfb (xvfb-run).
set -eu

build=${1:?usage: bench/run.sh BUILD_DIR}
bench="$build/bench"
source_dir=$(cd "$(dirname "$0")/.." && pwd)

# The receive state machine is measured on one core.
one_core=""
if command -v taskset >/dev/null 2>&1; then
    one_core="taskset -c 0"
fi

# "name,iterations,real_time,cpu_time,time_unit,bytes_per_second,..." -> "name MB/s"
receive=$($one_core "$bench/receive_bench" --benchmark_format=csv 2>/dev/null |
    awk -F, '/^"/ { gsub(/"/, "", $1); printf "%s %.1f\n", $1, $6 / 1e6 }')
# Qt's own chatter goes to a file, shown only when a run fails. The programs
# keep their log in a state folder of their own.
fill_log=$(mktemp)
XDG_STATE_HOME=$(mktemp -d)
export XDG_STATE_HOME
trap 'rm -f "$fill_log"; rm -rf "$XDG_STATE_HOME"' EXIT
log_line=$("$bench/log_line")
fill=$(QT_QPA_PLATFORM=offscreen "$bench/fill_timing" 2>"$fill_log") || {
    cat "$fill_log" >&2
    exit 1
}
# Start-up, memory and idle load of the program on a display of its own.
display=$(xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
    "$source_dir/bench/display_figures.sh" "$build" 2>"$fill_log") || {
    cat "$fill_log" >&2
    exit 1
}

# velmora-cli over eight simulators at once.
cli=$("$source_dir/bench/cli_figures.sh" "$build" 2>"$fill_log") || {
    cat "$fill_log" >&2
    exit 1
}

figure() { # figure NAME: the value from the runs above
    printf '%s\n%s\n%s\n%s\n%s\n' "$receive" "$fill" "$log_line" "$display" "$cli" |
        awk -v name="$1" '$1 == name { print $2 }'
}

# row LABEL VALUE UNIT BUDGET CHECK: CHECK is an awk condition on v, or "-"
row() {
    verdict=$(awk -v v="$2" -v check="$5" 'BEGIN {
        if (check == "-" || v == "") { print ""; exit }
        split(check, c, " ")
        if (c[1] == ">=") ok = v >= c[2]
        else if (c[1] == "<=") ok = v <= c[2]
        else if (c[1] == "<") ok = v < c[2]
        else ok = v >= c[1] && v <= c[2]
        print ok ? "ok" : "OVER BUDGET"
    }')
    printf '%-44s %10s %-5s %-22s %s\n' "$1" "${2:--}" "$3" "$4" "$verdict"
}

commit=$(git -C "$source_dir" rev-parse --short HEAD 2>/dev/null || echo "-")
echo "Velmora bench, $(date '+%Y-%m-%d %H:%M'), commit $commit, $(nproc) cores"
printf '%-44s %10s %-5s %-22s %s\n' "figure" "value" "unit" "budget" ""
row "receive, 1 byte per read" "$(figure readOut/1)" "MB/s" ">= 50" ">= 50"
row "receive, 32 bytes per read" "$(figure readOut/32)" "MB/s" ">= 50" ">= 50"
row "receive, 1024 bytes per read" "$(figure readOut/1024)" "MB/s" ">= 50" ">= 50"
row "receive, noise outside frames" "$(figure noise/1024)" "MB/s" ">= 50" ">= 50"
row "fill, median gap between frames" "$(figure fill_gap_median_ms)" "ms" "50 +- 5" "45 55"
row "fill, largest gap between frames" "$(figure fill_gap_max_ms)" "ms" "" "-"
row "fill, click to decoder frame (median)" "$(figure click_to_decoder_median_ms)" "ms" "" "-"
row "fill, click to decoder frame (worst of $(figure fill_runs))" \
    "$(figure click_to_decoder_max_ms)" "ms" "<= 850" "<= 850"
row "log line" "$(figure log_line_us)" "us" "< 1000" "< 1000"
row "log line (worst of $(figure log_lines), rotation included)" "$(figure log_line_max_us)" "us" \
    "" "-"
row "start-up to login window, splash included" "$(figure startup_median_ms)" "ms" \
    "<= 1300" "<= 1300"
row "start-up to login window (worst of $(figure startup_runs))" \
    "$(figure startup_max_ms)" "ms" "" "-"
row "login, password check included" "$(figure login_ms)" "ms" "<= 300" "<= 300"
row "peak RSS, every window open" "$(figure peak_rss_mb)" "MB" "< 60" "< 60"
row "peak RSS, program idle after login" "$(figure idle_rss_mb)" "MB" "< 60" "< 60"
row "idle CPU after login, over $(figure idle_seconds) s" "$(figure idle_cpu_ms_per_s)" "ms/s" \
    "the clock alone: <= 2" "<= 2"
row "idle wake-ups after login" "$(figure idle_wakeups_per_s)" "1/s" "the clock alone: <= 5" "<= 5"
row "velmora-cli, fill and verify 1 encoder (median of $(figure cli_runs))" \
    "$(figure cli_one_ms)" "ms" "" "-"
row "velmora-cli, the same on 8 encoders at once" "$(figure cli_eight_ms)" "ms" "" "-"
row "velmora-cli, 8 encoders against 1" "$(figure cli_ratio)" "x" "within 1.3 times one" "<= 1.3"
row "peak RSS, velmora-cli on 8 encoders" "$(figure cli_peak_rss_mb)" "MB" "< 60" "< 60"

history="$build/bench-history.tsv"
columns=$(echo date commit receive_1_MBps receive_32_MBps receive_1024_MBps noise_MBps \
    gap_median_ms gap_max_ms click_to_decoder_median_ms click_to_decoder_max_ms \
    startup_median_ms startup_max_ms peak_rss_all_windows_MB peak_rss_idle_MB \
    idle_cpu_ms_per_s idle_wakeups_per_s login_ms log_line_us \
    cli_one_ms cli_eight_ms cli_ratio cli_peak_rss_MB | tr ' ' '\t')
if [ ! -f "$history" ]; then
    printf '%s\n' "$columns" >"$history"
elif [ "$(head -n 1 "$history")" != "$columns" ]; then
    # Columns are only ever added at the end: older lines keep their meaning.
    sed -i "1s/.*/$columns/" "$history"
fi
printf '%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\n' \
    "$(date '+%Y-%m-%dT%H:%M:%S')" "$commit" \
    "$(figure readOut/1)" "$(figure readOut/32)" "$(figure readOut/1024)" "$(figure noise/1024)" \
    "$(figure fill_gap_median_ms)" "$(figure fill_gap_max_ms)" \
    "$(figure click_to_decoder_median_ms)" "$(figure click_to_decoder_max_ms)" \
    "$(figure startup_median_ms)" "$(figure startup_max_ms)" \
    "$(figure peak_rss_mb)" "$(figure idle_rss_mb)" "$(figure idle_cpu_ms_per_s)" \
    "$(figure idle_wakeups_per_s)" "$(figure login_ms)" "$(figure log_line_us)" \
    "$(figure cli_one_ms)" "$(figure cli_eight_ms)" "$(figure cli_ratio)" \
    "$(figure cli_peak_rss_mb)" >>"$history"
echo "(history: $history)"
