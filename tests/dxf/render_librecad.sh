#!/bin/sh
# Renders a DXF file with LibreCAD (headless) to PDF and, when pdftoppm is present, to PNG.
# Usage: render_librecad.sh FILE.dxf OUTPUT_FOLDER
# LibreCAD exits 0 even when it fails and may never return on a file it cannot parse, so it
# runs under a time limit and the PDF's presence is the test.
set -u
mkdir -p "$2"
dxf=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
out=$(cd "$2" && pwd)
name=$(basename "$dxf" .dxf)
rm -f "$out/$name.pdf" "$out/$name"-*.png
runtime=$(mktemp -d)
# The PDF takes the drawing's name in the target folder (-o is not obeyed for one file).
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$runtime" \
    timeout 60 librecad dxf2pdf -a -p 420x297 -t "$out" "$dxf" >"$out/$name.log" 2>&1
rc=$?
rmdir "$runtime" 2>/dev/null
if [ $rc -eq 124 ]; then
    echo "LibreCAD did not finish on $dxf" >&2
    exit 1
fi
if [ ! -s "$out/$name.pdf" ]; then
    echo "LibreCAD wrote no PDF for $dxf (see $out/$name.log)" >&2
    exit 1
fi
if command -v pdftoppm >/dev/null 2>&1; then
    pdftoppm -png -r 60 "$out/$name.pdf" "$out/$name" || exit 1
fi
echo "$out/$name.pdf"
