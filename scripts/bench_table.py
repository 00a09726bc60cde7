#!/usr/bin/env python3
"""Prints the benchmark results as a Markdown table: the median wall time of each benchmark,
and, where one exists, the straightforward approach measured in the same run with its ratio."""
import json
import sys

# Benchmark -> the straightforward approach it is compared with.
BASELINES = {
    "core/BM_DeleteAllMarked": "core/BM_DeleteAllMarkedOneByOne",
    "core/BM_MoveEveryOtherToTop": "core/BM_MoveEveryOtherToTopOneByOne",
    "gui/BM_OpenFullImage": "gui/BM_TableWidgetFill",
    "gui/BM_ViewSwitch": "gui/BM_TableWidgetFill",
    "gui/BM_RefreshAllWholeView": "gui/BM_TableWidgetFill",
    "gui/BM_DeleteAllChannelsByCommand": "core/BM_DeleteAllMarkedOneByOne",
    "gui/BM_DragStepBlockOf7000": "gui/BM_DragStepBlockOf7000BySwappingTexts",
    "gui/BM_DragStep7000Scattered": "gui/BM_DragStepBlockOf7000BySwappingTexts",
    "gui/BM_DragCommitOf7000": "core/BM_MoveEveryOtherToTopOneByOne",
    "core/BM_MovedSetOfAFullShuffle": "core/BM_MovedSetOfAFullShuffleQuadratic",
}
# Benchmark -> the same work without the edit session's history (the table operation
# called directly), to show what the history costs.
WITHOUT_HISTORY = {
    "core/BM_DeleteAllThroughSession": "core/BM_DeleteAllDirect",
    "core/BM_MoveEveryOtherThroughSession": "core/BM_MoveEveryOtherDirect",
    "core/BM_EditChannelThroughSession": "core/BM_EditChannelDirect",
}
# Straightforward approaches listed in their own rows as well.
ALSO_SHOWN = {"gui/BM_DragStepBlockOf7000SwappingTextsOnly"}
BASELINE_NAMES = set(BASELINES.values()) | set(WITHOUT_HISTORY.values())


# Counters some benchmarks report beside their time, shown as rows of their own.
COUNTERS = {"HistoryBytes", "Findings"}


def medians(path, suite):
    with open(path) as f:
        data = json.load(f)
    result = {}
    counters = {}
    for b in data["benchmarks"]:
        if b.get("aggregate_name", "median") != "median":
            continue
        name = b.get("run_name", b["name"]).split("/")[0]
        scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[b.get("time_unit", "ns")]
        result[f"{suite}/{name}"] = b["real_time"] * scale
        for counter in COUNTERS & b.keys():
            counters[f"{suite}/{name} {counter}"] = b[counter]
    return result, counters, data.get("context", {})


def main():
    times = {}
    counters = {}
    context = {}
    for path in sys.argv[1:]:
        suite = "gui" if "gui" in path.rsplit("/", 1)[-1] else "core"
        found, found_counters, context = medians(path, suite)
        times.update(found)
        counters.update(found_counters)
    print(f"Machine: {context.get('host_name', '?')}, {context.get('num_cpus', '?')} CPUs "
          f"at {context.get('mhz_per_cpu', '?')} MHz, {context.get('date', '')}")
    print()
    print("| Benchmark | Median | Straightforward approach | Its median | Ratio |")
    print("|---|---:|---|---:|---:|")
    for name, ms in times.items():
        if name in BASELINE_NAMES and name not in BASELINES and name not in ALSO_SHOWN:
            continue
        base = BASELINES.get(name)
        direct = WITHOUT_HISTORY.get(name)
        if base and base in times:
            ratio = times[base] / ms if ms > 0 else float("inf")
            print(f"| {name} | {ms:.3f} ms | {base} | {times[base]:.3f} ms | {ratio:.0f}x faster |")
        elif direct and direct in times:
            over = (ms / times[direct] - 1) * 100 if times[direct] > 0 else float("inf")
            print(f"| {name} | {ms:.4f} ms | {direct} | {times[direct]:.4f} ms | {over:+.0f}% |")
        else:
            print(f"| {name} | {ms:.3f} ms | | | |")
    for name, value in counters.items():
        print(f"| {name} | {value:,.0f} | | | |")


if __name__ == "__main__":
    main()
