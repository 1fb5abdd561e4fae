#!/usr/bin/env bash
# Start-up and closing of the calculator window: milliseconds from launch until the window's
# form is first painted (and the processor time the program used until then, which a busy
# machine does not inflate), the resident memory then and after EQUALS presses of "=", and the
# milliseconds from closing the window until the program has stored its settings and ended;
# medians of RUNS starts with an empty settings folder, then with a calculation of RESTORE_KIB
# KiB restored. The offscreen platform unless QT_QPA_PLATFORM names another (xcb, with
# DISPLAY set, for an X server).
# Usage: bench/startup.sh [BUILD_DIR] [RUNS] [RESTORE_KIB] [EQUALS]
set -euo pipefail
build=${1:-build/bench}
runs=${2:-15}
restore_kib=${3:-1024}
equals=${4:-20}
program=$build/bench/tarvo-startup
platform=${QT_QPA_PLATFORM:-offscreen}
config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT

# Each run starts from the settings that PREPARE leaves: every run ends by storing its own.
median_of_runs() {
    local prepare=$1 results
    results=$(for _ in $(seq "$runs"); do
        $prepare
        TARVO_LAUNCHED_AT=$EPOCHREALTIME QT_QPA_PLATFORM=$platform XDG_CONFIG_HOME=$config \
            TARVO_EQUALS=$equals "$program" 2>/dev/null
    done)
    median() { cut -d' ' -f"$1" <<<"$results" | sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }
    echo "  start-up $(median 1) ms ($(median 2) ms processor time), $(median 3) MB resident"
    echo "  after $equals x \"=\": $(median 4) MB resident"
    echo "  closing $(median 5) ms (medians of $runs)"
}

empty_settings() {
    rm -rf "$config/Drelkin Software"
}
echo "empty settings:"
median_of_runs empty_settings

# The same calculation line repeated, restored through Remember Last Calculation. One start
# first stores it as the program stores it at exit; every run then starts from a copy of that.
stored=$(mktemp -d)
trap 'rm -rf "$config" "$stored"' EXIT
line='12.5 * (3 + 4) = 87.5; \r\n'
calculation=$(printf "%.0s$line" $(seq $((restore_kib * 1024 / ${#line}))))
empty_settings
mkdir -p "$config/Drelkin Software"
printf '[Settings]\nSave Last=1\nLast Calc="%s"\n' "$calculation" \
    >"$config/Drelkin Software/Tarvo 2.0.ini"
TARVO_LAUNCHED_AT=$EPOCHREALTIME QT_QPA_PLATFORM=$platform XDG_CONFIG_HOME=$config \
    "$program" >/dev/null 2>&1
cp -r "$config/Drelkin Software" "$stored/"
store_calculation() {
    rm -rf "$config/Drelkin Software"
    cp -r "$stored/Drelkin Software" "$config/"
}
echo "with a ${restore_kib} KiB calculation restored:"
median_of_runs store_calculation
