"""Prints the benchmark table: the Google Benchmark figures with their ratios and targets, then
the peer comparison, 23,000 numbers through milden-lookup and through python3-phonenumbers as
whole processes, timed here in alternation so that both see the same machine."""
import argparse
import json
import statistics
import subprocess
import sys
import tempfile
import time

# Every four-digit block within the prefix tables: 10,000 for 090, 6,000 for 080, 7,000 for 070.
RANGES = (("090", 10), ("080", 6), ("070", 7))


def numbers():
    return [f"{r}-{n:04d}-5678" for r, first_digits in RANGES for n in range(first_digits * 1000)]


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


def time_processes(commands, stdin_path, runs):
    """Median wall time of each command over runs, the commands taking turns."""
    times = {name: [] for name, _ in commands}
    for _ in range(runs):
        for name, argv in commands:
            with open(stdin_path, "rb") as stdin:
                start = time.perf_counter()
                done = subprocess.run(argv, stdin=stdin, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
                elapsed = time.perf_counter() - start
            if done.returncode != 0:
                sys.exit(f"{name} failed ({done.returncode}): {done.stderr.decode(errors='replace')}")
            times[name].append(elapsed)
    return {name: statistics.median(t) for name, t in times.items()}


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--bench-json", required=True)
    parser.add_argument("--lookup", required=True, help="the milden-lookup program")
    parser.add_argument("--data", required=True, help="the data file milden-lookup reads")
    parser.add_argument("--peer-python", default="/usr/bin/python3")
    parser.add_argument("--peer-script", required=True)
    parser.add_argument("--runs", type=int, default=10)
    args = parser.parse_args()

    b = benchmark_figures(args.bench_json)
    load = b["load/synthetic_64MB/real_time"]
    floor = b["floor/read_decode_64MB/real_time"]
    bundled = b["load/bundled_from_memory"]
    lookups = b["lookup/all_23000_texts"]
    worst = b["lookup/exception_worst_case"]
    load_mbs = load["bytes_per_second"] / 1e6
    floor_mbs = floor["bytes_per_second"] / 1e6
    ns_per_lookup = seconds(lookups) / 23000 * 1e9

    rows = [
        ("load, 64 MB synthetic file", f"{load_mbs:.0f} MB/s", ">= 200 MB/s", load_mbs >= 200),
        ("floor: read + iconv decode", f"{floor_mbs:.0f} MB/s", "", None),
        ("load / floor", f"{load_mbs / floor_mbs:.0%}", ">= 50%", load_mbs / floor_mbs >= 0.5),
        ("load bundled file from memory" + ("" if bundled.get("label") == "data/sorvane.dat" else " (stand-in)"),
         f"{seconds(bundled) * 1e6:.0f} us", "< 500 us", seconds(bundled) < 500e-6),
        ("LookupNumber, all 23,000 texts", f"{ns_per_lookup:.0f} ns/lookup", "< 1000 ns", ns_per_lookup < 1000),
        ("LookupNumber, exception search at its worst", f"{seconds(worst) * 1e9:.0f} ns/lookup", "", None),
    ]

    with tempfile.NamedTemporaryFile("w", suffix=".txt", delete=False) as f:
        f.write("\n".join(numbers()) + "\n")
        numbers_path = f.name
    peer = time_processes(
        [("milden-lookup", [args.lookup, "--data", args.data]),
         ("python3-phonenumbers", [args.peer_python, args.peer_script])],
        numbers_path, args.runs)
    ratio = peer["python3-phonenumbers"] / peer["milden-lookup"]
    rows += [
        ("23,000 numbers: milden-lookup, whole process", f"{peer['milden-lookup'] * 1e3:.1f} ms", "", None),
        ("23,000 numbers: python3-phonenumbers, whole process", f"{peer['python3-phonenumbers'] * 1e3:.0f} ms", "", None),
        ("peer / milden-lookup", f"{ratio:.1f}x", ">= 10x", ratio >= 10),
    ]

    width = max(len(r[0]) for r in rows)
    print(f"{'figure':<{width}}  {'measured':>16}  {'target':<12}")
    for name, value, target, met in rows:
        mark = "" if met is None else ("met" if met else "MISSED")
        print(f"{name:<{width}}  {value:>16}  {target:<12} {mark}")


if __name__ == "__main__":
    main()
