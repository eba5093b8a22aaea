#!/usr/bin/python3
"""Opens DXF files with ezdxf and audits them: exit 0 only when every file reads, the audit
finds no errors and makes no fixes, and every linetype, text style and layer an entity names
is defined in the file's tables. Prints one summary line per file."""
import sys

import ezdxf


def check(path):
    problems = []
    try:
        doc = ezdxf.readfile(path)
    except Exception as e:  # a file ezdxf cannot read is the failure this script looks for
        return [f"readfile: {e}"], ""
    auditor = doc.audit()
    problems += [f"audit error: {e.message}" for e in auditor.errors]
    problems += [f"audit fix: {e.message}" for e in auditor.fixes]
    if doc.dxfversion != "AC1009":
        problems.append(f"version {doc.dxfversion}, expected AC1009")
    if doc.encoding.lower() not in ("cp1252",):
        problems.append(f"encoding {doc.encoding}, expected cp1252")
    layers = {l.dxf.name.upper() for l in doc.layers}
    linetypes = {l.dxf.name.upper() for l in doc.linetypes}
    styles = {s.dxf.name.upper() for s in doc.styles}
    counts = {}
    for e in doc.modelspace():
        t = e.dxftype()
        counts[t] = counts.get(t, 0) + 1
        if e.dxf.layer.upper() not in layers:
            problems.append(f"{t} on undefined layer {e.dxf.layer}")
        lt = e.dxf.get("linetype", "BYLAYER").upper()
        if lt not in ("BYLAYER", "BYBLOCK") and lt not in linetypes:
            problems.append(f"{t} with undefined linetype {lt}")
        if t == "TEXT" and e.dxf.style.upper() not in styles:
            problems.append(f"TEXT with undefined style {e.dxf.style}")
    for l in doc.layers:
        lt = l.dxf.linetype.upper()
        if lt not in linetypes:
            problems.append(f"layer {l.dxf.name} with undefined linetype {lt}")
    summary = " ".join(f"{k}={v}" for k, v in sorted(counts.items()))
    return problems, summary


def main():
    failed = False
    for path in sys.argv[1:]:
        problems, summary = check(path)
        status = "ok" if not problems else "FAILED"
        print(f"{path}: {status} {summary}")
        for p in problems[:20]:
            print(f"  {p}")
        failed |= bool(problems)
    return 1 if failed or len(sys.argv) < 2 else 0


if __name__ == "__main__":
    sys.exit(main())
