#!/bin/sh
# Runs every benchmark of two builds in turns, so that both are measured under the same load:
#   bench/compare.sh BEFORE AFTER [ROUNDS]
# BEFORE and AFTER are folders holding the benchmark programs of each build (bench_store,
# bench_recorddb, bench_practice, bench_exam, bench_report, startup_probe), for instance copies of
# build/bench/*/ taken before and after a change. AFTER also needs bench_startup, which starts
# BEFORE's startup_probe beside its own. Results go to standard output as Google Benchmark prints them.
set -eu
before=$1
after=$2
rounds=${3:-2}
export QT_QPA_PLATFORM=offscreen
echo "load before: $(cut -d' ' -f1-3 /proc/loadavg)"
round=1
while [ "$round" -le "$rounds" ]; do
    for bench in bench_store bench_recorddb bench_practice bench_exam bench_report; do
        for side in before after; do
            eval dir=\$$side
            echo "== round $round, $side: $bench"
            "$dir/$bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true 2>/dev/null |
                grep -E "_median|^[A-Za-z].* ms .* ms" || true
        done
    done
    echo "== round $round: start-up"
    MIREVO_BASELINE_PROBE="$before/startup_probe" "$after/bench_startup" --benchmark_counters_tabular=true 2>/dev/null |
        grep -E "Benchmark|BM_"
    round=$((round + 1))
done
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
