#!/usr/bin/env bash
# Runs every fuzz target for a chosen time on a copy of its seed corpus and
# prints how many inputs each ran per second.
#   fuzz/run-fuzzers.sh [SECONDS] [BUILD_DIR]
# BUILD_DIR (default build-fuzz) is configured with
#   CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DQV_FUZZ=ON
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
seconds=${1:-15}
build=${2:-build-fuzz}
case "$build" in /*) ;; *) build="$root/$build" ;; esac

found=0
for fuzzer in "$build"/fuzz/fuzz_*; do
    [ -f "$fuzzer" ] && [ -x "$fuzzer" ] || continue
    case "$fuzzer" in *_replay) continue ;; esac
    found=1
    name=$(basename "$fuzzer")
    work=$(mktemp -d)
    cp "$root/fuzz/corpus/$name"/* "$work"/
    log=$(mktemp)
    "$fuzzer" -max_total_time="$seconds" -print_final_stats=1 "$work" >"$log" 2>&1 || {
        tail -n 30 "$log"
        echo "$name: FAILED"
        rm -rf "$work" "$log"
        exit 1
    }
    runs=$(grep -Eo 'stat::number_of_executed_units: *[0-9]+' "$log" | grep -Eo '[0-9]+$' || echo 0)
    elapsed=$(grep -Eo 'Done [0-9]+ runs in [0-9]+ second' "$log" | grep -Eo 'in [0-9]+' | grep -Eo '[0-9]+' || echo "$seconds")
    [ "${elapsed:-0}" -gt 0 ] || elapsed=$seconds
    printf '%-16s %10d inputs in %4d s: %8d inputs per second\n' "$name" "$runs" "$elapsed" $((runs / elapsed))
    rm -rf "$work" "$log"
done
[ "$found" = 1 ] || { echo "no fuzz targets in $build/fuzz (build with -DQV_FUZZ=ON)"; exit 1; }
