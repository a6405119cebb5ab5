"""The Python module beside brenmor-size, one thread each (both pinned to
one CPU): size_list on a 1,000,000-row DataFrame against brenmor-size --csv
on the same rows in a file, each run 3 times, alternating, median wall
times; the peak memory size_list adds, against the DataFrame it returns;
and size() a call. Prints the ratio and target lines bench/run reads. The memory target is
read as: what size_list adds at its peak, at most twice what it returns.

Usage: python3 bench/python_bench.py MODULE_DIR BRENMOR_SIZE"""
import gc
import os
import random
import resource
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, sys.argv[1])
import brenmor  # noqa: E402
import pandas as pd  # noqa: E402

ROWS = 1_000_000
RUNS = 3
CPU = min(os.sched_getaffinity(0))


def report(kind, name, value, limit, unit=""):
    ok = value <= limit
    print(f"{kind} {name}: {value:.3g}{unit} (target <= {limit}{unit}) {'ok' if ok else 'MISS'}")
    return ok


def equipment(rows):
    rng = random.Random(20261210)
    return pd.DataFrame({
        "Tag": [f"V-{n}" for n in range(rows)],
        "P": [round(rng.uniform(10, 600), 1) for _ in range(rows)],
        "C": [rng.choice([0.0625, 0.125, 0.25]) for _ in range(rows)],
        "S": [rng.choice([13800.0, 16000.0, 20000.0]) for _ in range(rows)],
        "E": [rng.choice([0.7, 0.85, 1.0]) for _ in range(rows)],
        "V": [rng.randrange(10, 10000) for _ in range(rows)],
    })


def own_mib(frame, beside):
    """The memory a DataFrame holds of its own: its columns, and each str it
    holds counted once, none that `beside` holds too."""
    seen = {id(cell) for name in beside.columns if beside[name].dtype == object
            for cell in beside[name]}
    total = frame.memory_usage(index=True, deep=False).sum()
    for name in frame.columns[frame.dtypes == object]:
        for cell in frame[name]:
            if id(cell) not in seen:
                seen.add(id(cell))
                total += sys.getsizeof(cell)
    return total / 2**20


def peak_mib():
    return resource.getrusage(resource.RUSAGE_SELF).ru_maxrss / 1024


def main():
    os.sched_setaffinity(0, {CPU})
    frame = equipment(ROWS)
    with tempfile.TemporaryDirectory() as folder:
        listed = os.path.join(folder, "list.csv")
        frame.to_csv(listed, index=False)
        sized_csv = os.path.join(folder, "sized.csv")
        python_times, cli_times = [], []
        gc.collect()
        before = peak_mib()
        for _ in range(RUNS):
            started = time.perf_counter()
            sized = brenmor.size_list(frame)
            python_times.append(time.perf_counter() - started)
            peak_added = peak_mib() - before
            del sized
            gc.collect()
            started = time.perf_counter()
            with open(sized_csv, "wb") as out:
                subprocess.run(["taskset", "-c", str(CPU), sys.argv[2], "--csv", listed],
                               stdout=out, check=True)
            cli_times.append(time.perf_counter() - started)
        sized = brenmor.size_list(frame)
        result_mib = own_mib(sized, frame)
        frame_mib = own_mib(frame, frame.iloc[:0])

    seconds, cli_seconds = statistics.median(python_times), statistics.median(cli_times)
    print(f"size_list of {ROWS} rows: median {seconds:.3f} s ({ROWS / seconds:.0f} rows/s); "
          f"brenmor-size --csv on one CPU: median {cli_seconds:.3f} s")
    print(f"memory: the DataFrame in {frame_mib:.0f} MiB, the one returned {result_mib:.0f} MiB of its own, "
          f"peak added by size_list {peak_added:.0f} MiB")
    ok = report("ratio", "size_list/brenmor-size --csv, one thread each", seconds / cli_seconds,
                1.5)
    ok &= report("ratio", "peak memory added by size_list/the DataFrame it returns",
                 peak_added / result_mib, 2)

    calls = 20_000
    times = []
    for _ in range(5):
        started = time.perf_counter()
        for _ in range(calls):
            brenmor.size(P=300, C=0.125, S=17000, E=1, V=1500)
        times.append((time.perf_counter() - started) / calls * 1e6)
    ok &= report("time", "size() a call", statistics.median(times), 20, " us")
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
