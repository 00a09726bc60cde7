#!/usr/bin/env python3
"""Turns the benchmark results into BENCHMARKS.md's tables: the median wall time of each
benchmark, beside the straightforward approach measured in the same run where there is one;
and the window's actions until painted, offscreen and under Xvfb, beside the 8 ms aim. Each
table says the machine, its load and the date of the run. With --write FILE the tables
replace the generated sections of FILE; without it they are printed.

Usage: bench_table.py [--write BENCHMARKS.md] core.json gui.json [gui-xvfb.json]"""
import json
import os
import platform
import re
import sys

# Benchmark -> the straightforward approach it is compared with.
BASELINES = {
    "core/BM_DeleteAllMarked": "core/BM_DeleteAllMarkedOneByOne",
    "core/BM_MoveEveryOtherToTop": "core/BM_MoveEveryOtherToTopOneByOne",
    "gui/BM_OpenFullImage": "gui/BM_TableWidgetFill",
    "gui/BM_ViewSwitch": "gui/BM_TableWidgetFill",
    "gui/BM_RefreshAllWholeView": "gui/BM_TableWidgetFill",
    "gui/BM_DeleteAllChannelsByCommand": "core/BM_DeleteAllMarkedOneByOne",
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
ALSO_SHOWN = set()
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


# The window's actions: measured from the input event until the event loop is idle and the
# whole window is painted; each must take at most this long.
ACTION_PREFIX = "BM_Action_"
ACTION_AIM_MS = 8.0
# Not actions a user waits for, listed for what they tell about the others.
NOT_AIMED = {"RepaintOnly", "StartEmpty", "StartWithFile"}


def cpu_model():
    try:
        with open("/proc/cpuinfo") as f:
            for line in f:
                if line.startswith("model name"):
                    return line.split(":", 1)[1].strip()
    except OSError:
        pass
    return platform.processor() or "?"


def machine_line(context):
    load = context.get("load_avg") or []
    load_text = ", ".join(f"{x:.1f}" for x in load) if load else "?"
    return (f"{cpu_model()}, {context.get('num_cpus', '?')} CPUs, "
            f"{platform.system()} {platform.release()}; load average {load_text} when the run "
            f"started; {context.get('date', '?')}.")


def general_table(times, counters, context):
    lines = ["Machine: " + machine_line(context), "",
             "| Benchmark | Median | Straightforward approach | Its median | Ratio |",
             "|---|---:|---|---:|---:|"]
    for name, ms in times.items():
        if ACTION_PREFIX in name:
            continue
        if name in BASELINE_NAMES and name not in BASELINES and name not in ALSO_SHOWN:
            continue
        base = BASELINES.get(name)
        direct = WITHOUT_HISTORY.get(name)
        if base and base in times:
            ratio = times[base] / ms if ms > 0 else float("inf")
            lines.append(f"| {name} | {ms:.3f} ms | {base} | {times[base]:.3f} ms | "
                         f"{ratio:.0f}x faster |")
        elif direct and direct in times:
            over = (ms / times[direct] - 1) * 100 if times[direct] > 0 else float("inf")
            lines.append(f"| {name} | {ms:.4f} ms | {direct} | {times[direct]:.4f} ms | "
                         f"{over:+.0f}% |")
        else:
            lines.append(f"| {name} | {ms:.3f} ms | | | |")
    for name, value in counters.items():
        if ACTION_PREFIX not in name:
            lines.append(f"| {name} | {value:,.0f} | | | |")
    return lines


def action_table(runs):
    """runs: [(platform name, times, cpu times, context)]"""
    lines = []
    for platform_name, _, _, context in runs:
        lines.append(f"{platform_name} run: {machine_line(context)}")
        lines.append("")
    header = "| Action |"
    rule = "|---|"
    for platform_name, _, _, _ in runs:
        header += f" {platform_name} (wall) | {platform_name} (CPU) |"
        rule += "---:|---:|"
    lines += [header + f" Within {ACTION_AIM_MS:g} ms |", rule + "---|"]
    names = [n for n in runs[0][1] if ACTION_PREFIX in n]
    for name in names:
        action = name.split(ACTION_PREFIX, 1)[1]
        row = f"| {action} |"
        verdicts = []
        for _, times, cpu, _ in runs:
            wall = times.get(name)
            row += f" {wall:.2f} ms |" if wall is not None else " |"
            row += f" {cpu[name]:.2f} ms |" if name in cpu else " |"
            if wall is not None:
                verdicts.append(wall <= ACTION_AIM_MS)
        if action in NOT_AIMED:
            row += " (not an action) |"
        else:
            row += " yes |" if verdicts and all(verdicts) else " **no** |"
        lines.append(row)
    return lines


def replace_section(text, name, lines):
    begin = f"<!-- generated by scripts/bench: {name} -->"
    end = f"<!-- end of {name} -->"
    block = begin + "\n" + "\n".join(lines) + "\n" + end
    pattern = re.compile(re.escape(begin) + ".*?" + re.escape(end), re.S)
    if pattern.search(text):
        return pattern.sub(lambda _: block, text)
    return text.rstrip("\n") + "\n\n" + block + "\n"


def load(path):
    with open(path) as f:
        data = json.load(f)
    cpu = {}
    for b in data["benchmarks"]:
        if b.get("aggregate_name", "median") != "median":
            continue
        name = b.get("run_name", b["name"]).split("/")[0]
        scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[b.get("time_unit", "ns")]
        cpu[name] = b["cpu_time"] * scale
    return cpu


def main():
    args = sys.argv[1:]
    target = None
    if args[:1] == ["--write"]:
        target, args = args[1], args[2:]
    times, counters, context, runs = {}, {}, {}, []
    for path in args:
        base = os.path.basename(path)
        suite = "gui" if base.startswith("gui") else "core"
        found, found_counters, found_context = medians(path, suite)
        if "xvfb" in base:
            runs.append(("Xvfb", found, {f"gui/{k}": v for k, v in load(path).items()},
                         found_context))
            continue
        times.update(found)
        counters.update(found_counters)
        context = found_context
        if suite == "gui":
            runs.insert(0, ("Offscreen", found,
                            {f"gui/{k}": v for k, v in load(path).items()}, found_context))
    sections = {}
    if any(ACTION_PREFIX not in n for n in times):
        sections["general"] = general_table(times, counters, context)
    if runs and any(ACTION_PREFIX in n for n in runs[0][1]):
        sections["window actions"] = action_table(runs)
    if target is None:
        for lines in sections.values():
            print("\n".join(lines))
            print()
        return
    with open(target) as f:
        text = f.read()
    for name, lines in sections.items():
        text = replace_section(text, name, lines)
    with open(target, "w") as f:
        f.write(text)


if __name__ == "__main__":
    main()
