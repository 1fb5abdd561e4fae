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
until DISPLAY=$display xdotool getdisplaygeometry >/dev/null 2>&1; do sleep 0.05; done
config=$(mktemp -d)

# One start: prints "MS MB", or nothing when the program could not reach the X server
# (Xvfb now and then refuses a connection while the poller opens many).
measure() {
    local start end pid rss
    start=$(date +%s%N)
    DISPLAY=$display XDG_CONFIG_HOME=$config "$tarvo" >/dev/null 2>&1 &
    pid=$!
    until DISPLAY=$display xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; do
        kill -0 "$pid" 2>/dev/null || return 0
        sleep 0.01
    done
    end=$(date +%s%N)
    rss=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo "$(((end - start) / 1000000)) $((rss / 1024))"
}

for _ in $(seq "$runs"); do
    result=$(measure 2>/dev/null)
    [ -n "$result" ] || result=$(measure 2>/dev/null)
    [ -n "$result" ] && echo "$result"
done | sort -n | awk '{ms[NR] = $1; mb[NR] = $2}
    END {m = int((NR + 1) / 2); print "median of " NR ": " ms[m] " ms, " mb[m] " MB resident"}'
