#!/usr/bin/env python3
"""Writes the results of a scripts/fuzz run into the fuzz table of BENCHMARKS.md, between its
markers: one row per target run (the rows of targets not run stay as they were), and the
machine above the table.
    fuzz_table.py BUILD KEPT SECONDS TARGET..."""
import os
import platform
import re
import subprocess
import sys

START = "<!-- fuzz-table:start -->"
END = "<!-- fuzz-table:end -->"
HEADER = ("| Target | One execution | Result | Executions | Per second | Per CPU second | Edges "
          "| Features | Corpus of the run | Kept corpus | Run (UTC) | Load |\n"
          "|---|---|---|---:|---:|---:|---:|---:|---:|---:|---|---|")
WHAT = {
    "fuzz_image": "a mutated base file: open, every view's texts, save in place, open again; "
                  "a quarter also through kavro-tool",
    "fuzz_edit": "an edit script on a base file: run, view index, refusals replayed, save as, "
                 "open again, undo all, redo all",
    "fuzz_order": "a CSV list (read back as written) or a database file as reference: "
                  "order applied twice, undone",
    "fuzz_diff": "a mutated base file against its base: each with itself, both ways",
    "fuzz_lint": "a mutated base file linted: counts against findings; a quarter also by "
                 "kavro-tool lint",
    "fuzz_import": "another database file read as Import From reads it, imported whole into a "
                   "base file: copies checked, refusals change nothing, undone",
    "fuzz_backups": "an index and other files in a backups folder: two backups made, each the "
                    "newest, nothing else removed",
}
KIND = {"fuzz_image": "image", "fuzz_edit": "script", "fuzz_order": "order",
        "fuzz_diff": "diff", "fuzz_lint": "lint", "fuzz_import": "import",
        "fuzz_backups": "backups"}


def read(path, default=""):
    try:
        with open(path) as f:
            return f.read().strip()
    except OSError:
        return default


def last(pattern, text):
    found = re.findall(pattern, text, re.M)
    return found[-1] if found else None


def size_of(folder):
    files = [os.path.join(folder, n) for n in os.listdir(folder)] if os.path.isdir(folder) else []
    files = [f for f in files if os.path.isfile(f)]
    total = sum(os.path.getsize(f) for f in files)
    return f"{len(files)} ({(total + 1023) // 1024} KB)"


def row(build, kept, seconds, name):
    log = read(f"{build}/{name}.log")
    runs = last(r"^stat::number_of_executed_units:\s*(\d+)", log)
    rate = last(r"^stat::average_exec_per_sec:\s*(\d+)", log)
    status = last(r"^#\d+\s+\w+\s+cov: (\d+) ft: (\d+) corp: (\d+)/(\S+)", log)
    cpu = read(f"{build}/{name}.cpu").split()
    cpu_seconds = sum(float(x) for x in cpu[-2:]) if len(cpu) >= 2 else 0
    per_cpu = f"{int(runs) / cpu_seconds:,.0f}" if runs and cpu_seconds else "?"
    edges, features, units, size = status if status else ("?", "?", "?", "?")
    cells = [f"`{name}`", WHAT.get(name, ""), f"{read(f'{build}/{name}.result', '?')}, {seconds} s",
             f"{int(runs):,}" if runs else "?", f"{int(rate):,}" if rate else "?", per_cpu,
             edges, features, f"{units} ({size})", size_of(f"{kept}/{KIND[name]}"),
             read(f"{build}/{name}.when", "?"), read(f"{build}/{name}.load", "?")]
    return "| " + " | ".join(cells) + " |"


def machine():
    model = last(r"^model name\s*:\s*(.*)$", read("/proc/cpuinfo")) or platform.processor()
    memory = last(r"^MemTotal:\s*(\d+)", read("/proc/meminfo"))
    system = last(r'^PRETTY_NAME="(.*)"', read("/etc/os-release")) or platform.system()
    clang = subprocess.run(["clang++", "--version"], capture_output=True, text=True).stdout
    clang = (clang.splitlines() or ["clang"])[0]
    gib = f", {int(memory) / 1048576:.0f} GiB" if memory else ""
    return f"Machine: {os.cpu_count()} cores of {model}{gib}, {system}, {clang}."


def main():
    build, kept, seconds, names = sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4:]
    with open("BENCHMARKS.md") as f:
        text = f.read()
    if START not in text or END not in text:
        sys.exit("BENCHMARKS.md has no fuzz table markers")
    before, rest = text.split(START, 1)
    old, after = rest.split(END, 1)
    rows = {}
    for line in old.splitlines():
        found = re.match(r"\| `(fuzz_\w+)` \|", line)
        if found:
            rows[found.group(1)] = line
    for name in names:
        rows[name] = row(build, kept, seconds, name)
    order = [n for n in WHAT if n in rows] + sorted(n for n in rows if n not in WHAT)
    table = "\n".join([machine(), "", HEADER] + [rows[n] for n in order])
    with open("BENCHMARKS.md", "w") as f:
        f.write(f"{before}{START}\n{table}\n{END}{after}")


main()
