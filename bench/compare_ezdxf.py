#!/usr/bin/python3
"""Side-by-side timing: murcad-cli exporting 101 walls (the example walls repeated) to one DXF,
against ezdxf reading that same file and writing it again (readfile + saveas).

Usage: compare_ezdxf.py MURCAD_CLI [EXAMPLES_DIR] [RUNS]
Prints the median time of each, their ratio and the file size."""
import glob
import os
import statistics
import subprocess
import sys
import tempfile
import time

import ezdxf


def main():
    cli = sys.argv[1]
    examples = sys.argv[2] if len(sys.argv) > 2 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "examples")
    runs = int(sys.argv[3]) if len(sys.argv) > 3 else 5
    walls = sorted(glob.glob(os.path.join(examples, "*.PAR")))
    if not walls:
        sys.exit(f"no example walls in {examples}")
    batch = [walls[i % len(walls)] for i in range(101)]
    with tempfile.TemporaryDirectory() as tmp:
        out = os.path.join(tmp, "batch101.dxf")
        env = dict(os.environ, HOME=tmp)  # default layers, no user settings
        ours = []
        for _ in range(runs):
            t0 = time.perf_counter()
            subprocess.run([cli, "dxf", "-o", out] + batch, env=env, check=True,
                           stderr=subprocess.DEVNULL)
            ours.append(time.perf_counter() - t0)
        size = os.path.getsize(out)
        theirs = []
        for _ in range(max(1, runs // 5)):
            t0 = time.perf_counter()
            doc = ezdxf.readfile(out)
            doc.saveas(os.path.join(tmp, "ezdxf_copy.dxf"))
            theirs.append(time.perf_counter() - t0)
            del doc
    a, b = statistics.median(ours), statistics.median(theirs)
    print(f"walls: 101 ({len(walls)} examples repeated); DXF size: {size} bytes "
          f"({size / 1e6:.1f} MB)")
    print(f"murcad-cli dxf (load + draw + write), median of {len(ours)}: {a:.3f} s")
    print(f"ezdxf {ezdxf.__version__} readfile + saveas, median of {len(theirs)}: {b:.3f} s")
    print(f"ratio: {b / a:.1f} times faster")


if __name__ == "__main__":
    main()
