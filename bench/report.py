"""Prints the benchmark table: the Google Benchmark figures with their targets, then comparisons of
whole processes, each side against its reference, timed here in alternation so that both sides
see the same machine (a ratio is the median of the ratios of the turns):
- milden-lookup loading a 48 MiB data file against iconv decoding the same file;
- 100,000 numbers through milden-lookup --json against python3-phonenumbers writing JSON Lines;
- 1,000,000 numbers through milden-lookup --json, as a rate, and against the same run of another
  build of milden-lookup (--reference-lookup) when one is given;
- milden-lookup answering one number against /bin/true;
- the Qt window's start-up against a bare Qt window's, and milden.exe's under Wine against a
  bare Win32 window's (--window-startup, --bare-window, --wine-times)."""
import argparse
import json
import os
import random
import statistics
import subprocess
import sys
import tempfile
import time

BATCH = 100_000
LARGE_BATCH = 1_000_000


def numbers(count):
    """Random whole numbers of random 090, 080 and 070 blocks, the same ones every run. 080-0 is
    free dial (0800), which milden-lookup refuses: its blocks are drawn again."""
    pick = random.Random(2026)
    drawn = []
    while len(drawn) < count:
        name, block = pick.choice(('090', '080', '070')), pick.randrange(10000)
        if name != "080" or block >= 1000:
            drawn.append(f"{name}-{block:04d}-{pick.randrange(10000):04d}")
    return drawn


def numbers_file(count):
    with tempfile.NamedTemporaryFile("w", suffix=".txt", delete=False) as f:
        f.write("\n".join(numbers(count)) + "\n")
        return f.name


def benchmark_figures(path):
    with open(path, encoding="utf-8") as f:
        runs = json.load(f)["benchmarks"]
    medians = {b["run_name"]: b for b in runs if b.get("aggregate_name") == "median"}
    if not medians:
        medians = {b["run_name"]: b for b in runs if b.get("run_type") == "iteration"}
    return medians


def seconds(b):
    scale = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}[b["time_unit"]]
    return b["real_time"] * scale


def time_processes(commands, stdin_path, runs, cwd=None, env=None):
    """Wall times of each command over runs, the commands taking turns, so that run i of each
    saw the same machine: a shared machine's speed drifts, and the ratio of a pair does not."""
    times = {name: [] for name, _ in commands}
    for _ in range(runs):
        for name, argv in commands:
            with open(stdin_path, "rb") as stdin:
                start = time.perf_counter()
                done = subprocess.run(argv, stdin=stdin, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, cwd=cwd, env=env)
                elapsed = time.perf_counter() - start
            if done.returncode != 0:
                sys.exit(f"{name} failed ({done.returncode}): {done.stderr.decode(errors='replace')}")
            times[name].append(elapsed)
    return times


def pair_ratio(times, a, b):
    """The median over the runs of a's time over b's in the same turn."""
    return statistics.median(x / y for x, y in zip(times[a], times[b]))


def ms(times):
    return f"{statistics.median(times) * 1e3:.1f} ms"


def wine_times(path):
    """The turns time_window.exe printed: milden.exe's and the bare window's milliseconds."""
    with open(path, encoding="utf-8") as f:
        pairs = [line.split() for line in f if line.strip()]
    return {"milden.exe": [float(a) / 1e3 for a, _ in pairs], "bare": [float(b) / 1e3 for _, b in pairs]}


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--bench-json", required=True)
    parser.add_argument("--lookup", required=True, help="the milden-lookup program")
    parser.add_argument("--data", required=True, help="the data file milden-lookup reads")
    parser.add_argument("--large-data", required=True, help="the 48 MiB synthetic data file")
    parser.add_argument("--peer-python", default="/usr/bin/python3")
    parser.add_argument("--peer-script", required=True)
    parser.add_argument("--runs", type=int, default=10)
    parser.add_argument("--reference-lookup", help="milden-lookup of another build, for the million numbers")
    parser.add_argument("--window-startup", help="the Qt window's start-up harness")
    parser.add_argument("--bare-window", help="a bare Qt window that closes itself")
    parser.add_argument("--wine-times", help="what time_window.exe printed under Wine")
    args = parser.parse_args()
    programs = ("lookup", "reference_lookup", "window_startup", "bare_window")
    for name in programs:
        if getattr(args, name):
            setattr(args, name, os.path.abspath(getattr(args, name)))

    b = benchmark_figures(args.bench_json)
    load = b["load/synthetic_48MiB/real_time"]
    observed = b["load/synthetic_48MiB_observed/real_time"]
    floor = b["floor/read_decode_48MiB/real_time"]
    bundled = b["load/bundled_from_memory"]
    lookups = b["lookup/all_23000_texts"]
    worst = b["lookup/exception_worst_case"]
    ns_per_lookup = seconds(lookups) / 23000 * 1e9

    rows = [
        ("load 48 MiB file, in process", f"{seconds(load) * 1e3:.0f} ms", "", None),
        ("  the same with an observer counting events", f"{seconds(observed) * 1e3:.0f} ms", "", None),
        ("  read + iconv decode of the same bytes", f"{seconds(floor) * 1e3:.0f} ms", "", None),
        ("load bundled file from memory" + ("" if bundled.get("label") == "data/sorvane.dat" else " (stand-in)"),
         f"{seconds(bundled) * 1e6:.1f} us", "< 10 us", seconds(bundled) < 10e-6),
        ("LookupNumber, all 23,000 texts", f"{ns_per_lookup:.0f} ns/lookup", "< 1000 ns", ns_per_lookup < 1000),
        ("LookupNumber, exception search at its worst", f"{seconds(worst) * 1e9:.0f} ns/lookup", "", None),
    ]

    empty = tempfile.NamedTemporaryFile("w", delete=False)
    empty.close()
    load_times = time_processes(
        [("milden-lookup", [args.lookup, "--data", args.large_data, "--range", "090", "1234"]),
         ("iconv", ["iconv", "-f", "CP932", "-t", "UTF-16LE", args.large_data])],
        empty.name, args.runs)
    load_ratio = pair_ratio(load_times, "iconv", "milden-lookup")
    rows += [
        ("48 MiB file: milden-lookup loads it, whole process", ms(load_times["milden-lookup"]), "", None),
        ("48 MiB file: iconv decodes it, whole process", ms(load_times["iconv"]), "", None),
        ("iconv / milden-lookup, same turn", f"{load_ratio:.2f}x", ">= 1x (aim 2x)", load_ratio >= 1),
    ]

    numbers_path = numbers_file(BATCH)
    peer = time_processes(
        [("milden-lookup", [args.lookup, "--data", args.data, "--json"]),
         ("python3-phonenumbers", [args.peer_python, args.peer_script])],
        numbers_path, args.runs)
    ratio = pair_ratio(peer, "python3-phonenumbers", "milden-lookup")
    rows += [
        ("100,000 numbers, JSON Lines: milden-lookup, whole process", ms(peer["milden-lookup"]), "", None),
        ("100,000 numbers, JSON Lines: python3-phonenumbers", ms(peer["python3-phonenumbers"]), "", None),
        ("python3-phonenumbers / milden-lookup, same turn", f"{ratio:.1f}x", ">= 100x", ratio >= 100),
    ]

    batch = [("milden-lookup", [args.lookup, "--data", args.data, "--json"])]
    if args.reference_lookup:
        batch.append(("reference", [args.reference_lookup, "--data", args.data, "--json"]))
    large = time_processes(batch, numbers_file(LARGE_BATCH), args.runs)
    rate = LARGE_BATCH / statistics.median(large["milden-lookup"])
    rows.append(("1,000,000 numbers, JSON Lines: milden-lookup, whole process",
                 f"{rate / 1e6:.1f} M/s", ">= 10 M/s", rate >= 10e6))
    if args.reference_lookup:
        speedup = pair_ratio(large, "reference", "milden-lookup")
        rows += [("  the same through the reference build", f"{LARGE_BATCH / statistics.median(large['reference']) / 1e6:.1f} M/s", "", None),
                 ("reference / milden-lookup, same turn", f"{speedup:.2f}x", ">= 1x", speedup >= 1)]

    # As a user runs it: sorvane.dat in the current directory.
    data_dir = os.path.dirname(os.path.abspath(args.data))
    in_data_dir = os.path.basename(args.data) == "sorvane.dat"
    one_number = [args.lookup, "090-1234"] if in_data_dir else [args.lookup, "--data", os.path.abspath(args.data), "090-1234"]
    one = time_processes([("milden-lookup", one_number), ("true", ["/bin/true"])], empty.name, args.runs * 20, cwd=data_dir)
    one_ratio = pair_ratio(one, "milden-lookup", "true")
    rows += [
        ("milden-lookup 090-1234, whole process", ms(one["milden-lookup"]), "", None),
        ("/bin/true, whole process", ms(one["true"]), "", None),
        ("milden-lookup 090-1234 / /bin/true, same turn", f"{one_ratio:.2f}", "<= 2", one_ratio <= 2),
    ]

    if args.window_startup and args.bare_window:
        offscreen = dict(os.environ, QT_QPA_PLATFORM="offscreen")
        windows = time_processes([("milden", [args.window_startup]), ("bare", [args.bare_window])],
                                 empty.name, args.runs * 2, cwd=data_dir, env=offscreen)
        window_ratio = pair_ratio(windows, "milden", "bare")
        rows += [
            ("Qt window shown and closed (offscreen): milden", ms(windows["milden"]), "", None),
            ("  a bare Qt window", ms(windows["bare"]), "", None),
            ("milden / bare Qt window, same turn", f"{window_ratio:.2f}", "<= 1.1", window_ratio <= 1.1),
        ]
    if args.wine_times:
        wine = wine_times(args.wine_times)
        wine_ratio = pair_ratio(wine, "milden.exe", "bare")
        rows += [
            ("milden.exe under Wine, shown, painted and closed", ms(wine["milden.exe"]), "", None),
            ("  a bare Win32 window that paints once", ms(wine["bare"]), "", None),
            ("milden.exe / bare Win32 window, same turn", f"{wine_ratio:.2f}", "<= 1.2", wine_ratio <= 1.2),
        ]

    width = max(len(r[0]) for r in rows)
    print(f"{'figure':<{width}}  {'measured':>16}  {'target':<12}")
    for name, value, target, met in rows:
        mark = "" if met is None else ("met" if met else "MISSED")
        print(f"{name:<{width}}  {value:>16}  {target:<12} {mark}")


if __name__ == "__main__":
    main()
