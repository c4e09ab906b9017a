#!/bin/sh
# The figures of velmora-cli; run by bench/run.sh. Eight encoder-sims serve as
# ports 1 to 8: four on pseudo-terminals and four behind serial device servers
# on loopback TCP ports. Prints one "name value" line per figure:
# - the time of `velmora-cli vullen F --poort 1 --controleren`, and of the
#   same on all eight ports at once (the median of several runs each), and
#   how many times the one the eight take;
# - the peak memory (RSS) of velmora-cli on the eight.
set -eu

build=${1:?usage: bench/cli_figures.sh BUILD_DIR}
cli="$build/src/cli/velmora-cli"
sim="$build/tools/encoder-sim/encoder-sim"
runs=${VELMORA_BENCH_CLI_RUNS:-5}

scratch=$(mktemp -d)
export XDG_CONFIG_HOME="$scratch/config" XDG_STATE_HOME="$scratch/state" HOME="$scratch"
mkdir -p "$XDG_CONFIG_HOME/velmora/ports"
sims=""
trap 'for pid in $sims; do kill "$pid" 2>/dev/null || true; done; wait; rm -rf "$scratch"' EXIT

# Port 1 starts with sample content, which becomes the station file to fill.
for port in 1 2 3 4 5 6 7 8; do
    set -- --port "$port"
    [ "$port" -le 4 ] || set -- "$@" --tcp 0
    [ "$port" -ne 1 ] || set -- "$@" --demo
    "$sim" "$@" >"$scratch/sim$port.log" 2>&1 &
    sims="$sims $!"
done
for port in 1 2 3 4 5 6 7 8; do
    tries=0
    until grep -q " ms ready: " "$scratch/sim$port.log"; do
        tries=$((tries + 1))
        if [ "$tries" -ge 100 ]; then
            echo "encoder-sim for port $port did not start:" >&2
            cat "$scratch/sim$port.log" >&2
            exit 1
        fi
        sleep 0.05
    done
done

station="$scratch/ochtend.Rds"
"$cli" uitlezen --poort 1 -o "$station" >/dev/null

now_ns() {
    date +%s%N
}

# fill PORTS: one fill with verification; appends its milliseconds to
# $scratch/ms.PORTS and its peak RSS in kB to $scratch/kb.PORTS.
fill() {
    started=$(now_ns)
    /usr/bin/time -f %M -o "$scratch/time" \
        "$cli" vullen "$station" --poort "$1" --controleren >"$scratch/cli.log" 2>&1 || {
        echo "velmora-cli vullen --poort $1 failed:" >&2
        cat "$scratch/cli.log" >&2
        exit 1
    }
    echo $((($(now_ns) - started) / 1000000)) >>"$scratch/ms.$1"
    cat "$scratch/time" >>"$scratch/kb.$1"
}

median() {
    sort -n "$1" | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'
}

eight=1,2,3,4,5,6,7,8
run=0
while [ "$run" -lt "$runs" ]; do
    fill 1
    fill "$eight"
    run=$((run + 1))
done

one_ms=$(median "$scratch/ms.1")
eight_ms=$(median "$scratch/ms.$eight")
echo "cli_one_ms $one_ms"
echo "cli_eight_ms $eight_ms"
echo "cli_runs $runs"
awk -v one="$one_ms" -v eight="$eight_ms" 'BEGIN { printf "cli_ratio %.2f\n", eight / one }'
sort -n "$scratch/kb.$eight" | tail -n 1 | awk '{ printf "cli_peak_rss_mb %.1f\n", $1 * 1024 / 1e6 }'
