#!/usr/bin/env bash
# Start-up of the calculator window: milliseconds from launch until the window's form is first
# painted, and the resident memory then, as the median of RUNS starts with an empty settings
# folder, then with a calculation of RESTORE_KIB KiB restored. The offscreen platform unless
# QT_QPA_PLATFORM names another (xcb, with DISPLAY set, for an X server).
# Usage: bench/startup.sh [BUILD_DIR] [RUNS] [RESTORE_KIB]
set -euo pipefail
build=${1:-build/bench}
runs=${2:-15}
restore_kib=${3:-1024}
program=$build/bench/tarvo-startup
platform=${QT_QPA_PLATFORM:-offscreen}
config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT

median_of_runs() {
    for _ in $(seq "$runs"); do
        TARVO_LAUNCHED_AT=$EPOCHREALTIME QT_QPA_PLATFORM=$platform XDG_CONFIG_HOME=$config \
            "$program" 2>/dev/null
    done | sort -n | awk '{ms[NR] = $1; mb[NR] = $2}
        END {m = int((NR + 1) / 2); print "median of " NR ": " ms[m] " ms, " mb[m] " MB resident"}'
}

echo "empty settings:"
median_of_runs

# The same calculation line repeated, restored through Remember Last Calculation.
mkdir -p "$config/Drelkin Software"
line='12.5 * (3 + 4) = 87.5; \r\n'
calculation=$(printf "%.0s$line" $(seq $((restore_kib * 1024 / ${#line}))))
printf '[Settings]\nSave Last=1\nLast Calc="%s"\n' "$calculation" \
    >"$config/Drelkin Software/Tarvo 2.0.ini"
echo "with a ${restore_kib} KiB calculation restored:"
median_of_runs
