#!/bin/sh
# The figures of the program on an X display without a window manager; run
# under xvfb-run by bench/run.sh. Prints one "name value" line per figure:
# - the start-up, from the start of the process until the login window is
#   shown (the median and the worst of several starts);
# - the time of a login, password check included, and the peak memory with
#   every window open (bench/all_windows);
# - the processor time and wake-ups of the real program idle after the login
#   window, over ten seconds, and its peak memory by then.
set -eu

build=${1:?usage: bench/display_figures.sh BUILD_DIR}
program="$build/src/velmora"
bench="$build/bench"
starts=${VELMORA_BENCH_STARTS:-7}
idle_seconds=10
export QT_QPA_PLATFORM=xcb
# Dutch, as at a station. The locale also decides whether the status bar clock
# shows seconds (it does not in Dutch), so it is fixed for runs to compare.
unset LC_ALL
export LANG=nl_NL.UTF-8

scratch=$(mktemp -d)
export XDG_CONFIG_HOME="$scratch/config"
pid=""
waiter=""
stop_program() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    [ -n "$waiter" ] && wait "$waiter" 2>/dev/null
    pid=""
    waiter=""
}
trap 'stop_program; rm -rf "$scratch"' EXIT

# Starts the program and returns once its login window shows, with pid,
# window and started_ms set. wait_for_dialog stays the program's parent.
started="$scratch/started"
mkfifo "$started"
start_to_login() {
    "$bench/wait_for_dialog" "$program" >"$started" &
    waiter=$!
    read -r pid window started_ms <"$started"
}

# What all threads of a process have had so far: processor time in
# nanoseconds, and turns on a processor (each wake-up is one). The user and
# system times of /proc/PID/stat count in clock ticks of 10 ms, too coarse for
# the millisecond or so an idle program takes per second.
cpu_use() {
    cat "/proc/$1/task/"*/schedstat |
        awk '{ ns += $1; turns += $3 } END { printf "%.0f %d\n", ns, turns }'
}
peak_rss_mb() {
    awk '/^VmHWM:/ { printf "%.1f\n", $2 * 1024 / 1e6 }' "/proc/$1/status"
}
now_ns() {
    date +%s%N
}

# Start-up: each start a new process, all on one settings store.
run=0
while [ "$run" -lt "$starts" ]; do
    start_to_login
    echo "$started_ms" >>"$scratch/starts"
    stop_program
    run=$((run + 1))
done
sort -n "$scratch/starts" | awk '
    { t[NR] = $1 }
    END {
        m = (NR % 2) ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2
        printf "startup_runs %d\nstartup_median_ms %.0f\nstartup_max_ms %.0f\n", NR, m, t[NR]
    }'

# Every window open.
if ! "$bench/all_windows" 2>"$scratch/all_windows.log"; then
    cat "$scratch/all_windows.log" >&2
    exit 1
fi

# Idle: the login window left with Escape ("Annuleren"), then the main window
# with its status bar clock alone.
start_to_login
timeout 10 xdotool windowfocus --sync "$window" key Escape
tries=0
while xwininfo -id "$window" 2>/dev/null | grep -q IsViewable; do
    tries=$((tries + 1))
    [ "$tries" -lt 100 ] || { echo "display_figures: the login window stays open" >&2; exit 1; }
    sleep 0.05
done
sleep 2
from_wall=$(now_ns)
from=$(cpu_use "$pid")
sleep "$idle_seconds"
to=$(cpu_use "$pid")
to_wall=$(now_ns)
echo "$from $to" | awk -v wall=$((to_wall - from_wall)) -v seconds="$idle_seconds" '{
    s = wall / 1e9
    printf "idle_seconds %d\n", seconds
    printf "idle_cpu_ms_per_s %.2f\nidle_wakeups_per_s %.1f\n", ($3 - $1) / 1e6 / s, ($4 - $2) / s
}'
echo "idle_rss_mb $(peak_rss_mb "$pid")"
stop_program
