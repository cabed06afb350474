#!/usr/bin/env python3
"""Runs logger_bench and prints each logger benchmark's median time as a ratio
to the baseline fan-out's median for the same case, with the budget beside it.

    bench/ratios.py build/default/bench/logger_bench [extra benchmark flags]
"""
import json
import subprocess
import sys

# logger benchmark -> (baseline benchmark, budget as a ratio or None)
PAIRS = {
    "BM_Logger_Dropped_ViaInterface": ("BM_Baseline_Dropped", 1.3),
    "BM_Logger_Dropped_ViaOwnType": ("BM_Baseline_Dropped", 1.3),
    **{f"BM_Logger_Accepted/{n}": (f"BM_Baseline_Accepted/{n}", 1.25)
       for n in (1, 2, 8, 64)},
    "BM_Logger_Contended/real_time/threads:2":
        ("BM_Baseline_Contended/real_time/threads:2", None),
}


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    command = [sys.argv[1], "--benchmark_format=json",
               "--benchmark_repetitions=15",
               "--benchmark_enable_random_interleaving=true",
               "--benchmark_report_aggregates_only=true",
               "--benchmark_min_time=0.1", *sys.argv[2:]]
    report = json.loads(subprocess.run(command, check=True,
                                       capture_output=True).stdout)
    median = {}
    allocs = {}
    for row in report["benchmarks"]:
        if row.get("aggregate_name") == "median":
            median[row["run_name"]] = row["real_time"]
            allocs[row["run_name"]] = row.get("allocs", 0.0)

    failed = False
    print("| case | logger ns | baseline ns | ratio | budget | allocs/op |")
    print("|---|---|---|---|---|---|")
    for name, (base, budget) in PAIRS.items():
        ratio = median[name] / median[base]
        over = budget is not None and ratio > budget
        failed |= over or allocs[name] != 0
        print(f"| {name.removeprefix('BM_Logger_')} | {median[name]:.2f} "
              f"| {median[base]:.2f} | {ratio:.2f} "
              f"| {budget if budget else '-'}{' OVER' if over else ''} "
              f"| {allocs[name]:g} |")
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
