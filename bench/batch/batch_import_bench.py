"""Many files in one run: `kestrin import FOLDER --output-dir DIR -j 2` against the same files
imported one `kestrin import FILE -o OUT.dxf` run at a time. The input is 16 copies of one
mid-size part, by default the filleted bracket with holes that the fixture writer makes (its
largest solid); --file takes another STEP file instead. Each way runs --repeat times, alternating,
and the best time of each counts, so that other work on the machine costs as little as it can.
The drawings of both ways must be byte-identical. Prints the figures; exit status 1 when the
outputs differ, 0 otherwise (the goal, at most 0.60 of the sequential time, is reported, not
enforced: the figure depends on what else the machine runs)."""

import argparse
import filecmp
import os
import shutil
import subprocess
import sys
import time

GOAL = 0.60


def run(command, env):
    subprocess.run(command, check=True, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                   env=env)


def fresh(path):
    shutil.rmtree(path, ignore_errors=True)
    os.makedirs(path)
    return path


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--kestrin", required=True, help="the host program")
    parser.add_argument("--make-fixtures", required=True, help="the fixture writer")
    parser.add_argument("--work", required=True, help="a scratch folder (emptied)")
    parser.add_argument("--file", help="the STEP file to copy (default: the generated bracket)")
    parser.add_argument("--copies", type=int, default=16)
    parser.add_argument("--jobs", type=int, default=2)
    parser.add_argument("--repeat", type=int, default=3)
    args = parser.parse_args()

    work = fresh(os.path.abspath(args.work))
    source = args.file
    if not source:
        fixtures = os.path.join(work, "fixtures")
        subprocess.run([args.make_fixtures, fixtures], check=True)
        source = os.path.join(fixtures, "bracket.step")
    parts = fresh(os.path.join(work, "parts"))
    for i in range(args.copies):
        shutil.copy(source, os.path.join(parts, f"part{i:02}.step"))
    names = sorted(os.listdir(parts))
    env = dict(os.environ, KESTRIN_REGISTRY_FILE=os.path.join(work, "settings.ini"))

    def sequential():
        out = fresh(os.path.join(work, "sequential"))
        for name in names:
            run([args.kestrin, "import", os.path.join(parts, name), "-o",
                 os.path.join(out, name.replace(".step", ".dxf")), "--no-progress"], env)
        return out

    def parallel():
        out = fresh(os.path.join(work, "parallel"))
        run([args.kestrin, "import", parts, "--output-dir", out, "-j", str(args.jobs),
             "--no-progress"], env)
        return out

    times = {"sequential": [], "parallel": []}
    loads = []
    for _ in range(args.repeat):
        for label, way in (("sequential", sequential), ("parallel", parallel)):
            loads.append(os.getloadavg()[0])
            start = time.monotonic()
            way()
            times[label].append(time.monotonic() - start)

    differing = [name.replace(".step", ".dxf") for name in names
                 if not filecmp.cmp(os.path.join(work, "sequential", name.replace(".step", ".dxf")),
                                    os.path.join(work, "parallel", name.replace(".step", ".dxf")),
                                    shallow=False)]
    best_sequential = min(times["sequential"])
    best_parallel = min(times["parallel"])
    ratio = best_parallel / best_sequential
    print(f"input: {args.copies} copies of {source} ({os.path.getsize(source)} bytes)")
    print(f"sequential (one run per file): best {best_sequential:.2f} s of "
          + ", ".join(f"{t:.2f}" for t in times["sequential"]))
    print(f"--output-dir -j {args.jobs}: best {best_parallel:.2f} s of "
          + ", ".join(f"{t:.2f}" for t in times["parallel"]))
    print(f"ratio: {ratio:.3f} (goal: at most {GOAL:.2f}) {'met' if ratio <= GOAL else 'NOT met'}")
    print(f"processors: {os.cpu_count()}, load average (1 min) before each run: "
          + ", ".join(f"{l:.1f}" for l in loads))
    print("outputs byte-identical: " + ("yes" if not differing else "NO: " + ", ".join(differing)))
    return 1 if differing else 0


if __name__ == "__main__":
    sys.exit(main())
