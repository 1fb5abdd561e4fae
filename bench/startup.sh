#!/usr/bin/env bash
# Start-up of the calculator window: milliseconds from process start until its window is
# mapped on an X server, and the resident memory then. Needs xvfb and xdotool.
# Usage: bench/startup.sh [TARVO] [RUNS]
set -euo pipefail
tarvo=${1:-build/bench/app/tarvo}
runs=${2:-10}
display=:97
Xvfb $display -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
sleep 1
config=$(mktemp -d)
for _ in $(seq "$runs"); do
    start=$(date +%s%N)
    DISPLAY=$display XDG_CONFIG_HOME=$config "$tarvo" >/dev/null 2>&1 &
    pid=$!
    until DISPLAY=$display xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; do
        sleep 0.002
    done
    end=$(date +%s%N)
    rss=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo "$(( (end - start) / 1000000 )) ms $(( rss / 1024 )) MB"
done | sort -n | awk '{ms[NR]=$1; mb[NR]=$3} END {print "median", ms[int((NR+1)/2)], "ms,", mb[int((NR+1)/2)], "MB resident"}'
