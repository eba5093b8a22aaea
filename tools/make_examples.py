#!/usr/bin/env python3
"""Writes the sample wall data files in examples/ (run from the project root)."""
import os

OUT = os.path.join(os.path.dirname(__file__), "..", "examples")


def level(shift, top, length, edge, diam_b, web, diam_a, count_a, diam_h, horiz, tie, flag, ver):
    vals = [shift, top, length, edge, diam_b, web, diam_a, count_a, diam_h, horiz]
    if ver >= 4:
        vals.append(tie)
    if ver >= 5:
        vals.append(flag)
    return ", ".join(fmt(v) for v in vals)


def fmt(v):
    if isinstance(v, int):
        return str(v)
    s = ("%.2f" % v).rstrip("0").rstrip(".")
    return s if s else "0"


def wall(name, ver, storeys, levels, *, switches=(0,), a=(0, 0, 1), total=None, thick=30,
         found=80, c=(300, 320), diag=(0, 0, 0), cover=4, e=(0, 0), offsets=None, elements=2):
    lines = ["PARETE  %d" % ver if ver > 0 else "PARETE"]
    if ver > 2:
        lines.append(", ".join(str(s) for s in switches))
    if total is None:
        total = storeys[-1] - levels[0][1] if storeys else 300
    lines.append("%d, %d, %d, %d, %d" % (len(storeys), a[0], a[1], a[2], len(levels)))
    lines.append("%s, 0, %s, %s" % (fmt(total), fmt(thick), fmt(found)))
    lines.append("%s, %s" % (fmt(c[0]), fmt(c[1])))
    lines.append("%s, %s, %s" % tuple(fmt(x) for x in diag))
    lines.append("%s, %s, %s" % (fmt(cover), fmt(e[0]), fmt(e[1])))
    for i, top in enumerate(storeys):
        if ver > 1:
            r, l = offsets[i] if offsets else (0, 0)
            lines.append("%s, %s, %s" % (fmt(top), fmt(r), fmt(l)))
        else:
            lines.append(fmt(top))
    for lv in levels:
        lines.append(level(*lv, ver))
    lines.append(str(elements))
    for k in range(elements):
        lines.append("%d, %d, %d, 1.5, 2.5, 3.5, 4.5, 5.5, 6.5" % (100 + k, 200 + k, k))
    with open(os.path.join(OUT, name), "w", newline="\r\n") as f:
        f.write("\n".join(lines) + "\n")


def simple_levels(tops, *, length=400, edge=56, diam_b=10, web=20, diam_a=16, count_a=8,
                  diam_h=8, horiz=20, tie=15, flag=0, shift=0, no_edge_from=None):
    out = []
    for i, t in enumerate(tops):
        ca, da = count_a, diam_a
        if no_edge_from is not None and t >= no_edge_from:
            ca, da = 0, 0
        out.append((shift, t, length, edge, diam_b, web, da, ca, diam_h, horiz, tie, flag))
    return out


def main():
    small = [0, 300, 600]
    for ver in range(6):
        wall("version_%d.PAR" % ver, ver, [300, 600], simple_levels(small), c=(300, 300))
    wall("band_element.PAR", 5, [300], simple_levels([0, 300]), switches=(1, 1, 0, 0))
    wall("no_edge_zones.PAR", 5, [300, 600, 900],
         simple_levels([0, 300, 600, 900], length=250, edge=0, count_a=0, diam_a=0, web=25),
         switches=(1, 0, 1, 1), thick=20, c=(0, 0))
    wall("diagonal.PAR", 5, [300, 600], simple_levels([0, 300, 600], length=300),
         diag=(3.14, 45, 60), c=(300, 300))
    wall("offsets.PAR", 5, [300, 600, 900], simple_levels([0, 300, 600, 900]),
         offsets=[(20, 0), (20, 15), (0, 15)], c=(300, 300))
    wall("storey_count_0.PAR", 5, [], simple_levels([0, 300]), total=300, c=(300, 300))
    wall("tall_storey.PAR", 5, [300, 1000], simple_levels([0, 300, 1000]), c=(300, 300))
    tops = [320 + 300 * i for i in range(10)]
    wall("realistic_10_storeys.PAR", 5, tops,
         simple_levels([0] + tops, length=520, edge=56, diam_b=12, web=20, diam_a=20,
                       count_a=12, diam_h=10, horiz=15, tie=12, no_edge_from=2000),
         thick=30, c=(320, 320), a=(1, 0, 7))
    tops = [300 * (i + 1) for i in range(40)]
    levels = []
    for i, t in enumerate([0] + tops):
        levels.append((0, t, 600 - (i // 10) * 50, 66, 12, 20, 20 if t < 3000 else 0,
                       12 if t < 3000 else 0, 10, 15, 12, i % 3))
        if t > 0:
            levels.append((0, t - 150, 600 - (i // 10) * 50, 66, 12, 20, 20, 12, 10, 15, 12, 0))
    levels.sort(key=lambda lv: lv[1])
    wall("stress_40_storeys.PAR", 5, tops, levels, thick=30, c=(600, 600), a=(1, 0, 12),
         elements=40)


if __name__ == "__main__":
    main()
