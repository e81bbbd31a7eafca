"""Times the window start-up harness as a whole process (process start to window shown and the
process gone) over repeated runs, offscreen, in the data directory, and reports peak memory."""
import argparse
import os
import resource
import statistics
import subprocess
import time


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--harness", required=True)
    parser.add_argument("--data-dir", required=True)
    parser.add_argument("--runs", type=int, default=20)
    args = parser.parse_args()
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    times = []
    for _ in range(args.runs):
        start = time.perf_counter()
        subprocess.run([os.path.abspath(args.harness)], cwd=args.data_dir, env=env, check=True)
        times.append(time.perf_counter() - start)
    peak_mib = resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss / 1024
    median_ms = statistics.median(times) * 1000
    print(f"window start-up, median of {args.runs}: {median_ms:.1f} ms (target < 150 ms)"
          f" {'ok' if median_ms < 150 else 'MISSED'}")
    print(f"window start-up, peak resident memory: {peak_mib:.1f} MiB (target < 40 MiB)"
          f" {'ok' if peak_mib < 40 else 'MISSED'}")


if __name__ == "__main__":
    main()
