#!/usr/bin/env bash
# The Debian package: built from the build tree, checked by lintian, extracted into a temporary
# root and run from there (templates under share/murcad), with its menu entry, MIME types,
# icons, manual pages and bash completion checked by the desktop's own tools.
#   package_test.sh BUILD_DIR VERSION EXAMPLES_DIR
set -euo pipefail
build=$(cd "$1" && pwd) version=$2 examples=$(cd "$3" && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() {
    echo "ERRORE: $*" >&2
    exit 1
}
wall=$examples/realistic_10_storeys.PAR

# The package, as the "package" target makes it.
cpack --config "$build/CPackConfig.cmake" -B "$tmp/pkg" >"$tmp/cpack.log" 2>&1 ||
    { cat "$tmp/cpack.log"; fail "cpack non ha costruito il pacchetto"; }
debs=("$tmp"/pkg/murcad_"$version"-*_*.deb)
[ -f "${debs[0]}" ] || fail "nessun murcad_${version}-*.deb in $tmp/pkg"
deb=${debs[0]}
[ "$(dpkg-deb -f "$deb" Package)" = murcad ] || fail "nome del pacchetto"
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || fail "dipendenze: $(dpkg-deb -f "$deb" Depends)"
echo "pacchetto: $(basename "$deb"), $(stat -c %s "$deb") byte"

# lintian: no errors (the warnings are printed for the record).
lintian --fail-on error "$deb" 2>/dev/null || fail "lintian riporta errori"

dpkg -x "$deb" "$tmp/root"
usr=$tmp/root/usr
[ ! -e "$usr/bin/Init1.kvl" ] || fail "i modelli DXF non vanno accanto ai programmi installati"

# Both programs answer --version with the project's version.
[ "$("$usr/bin/murcad-cli" --version)" = "murcad-cli (MURCAD Vavire) $version" ] ||
    fail "murcad-cli --version: $("$usr/bin/murcad-cli" --version)"
[ "$("$usr/bin/murcad" --version)" = "murcad (MURCAD Vavire) $version" ] ||
    fail "murcad --version: $("$usr/bin/murcad" --version)"

# A DXF export from the extracted tree finds the templates under share/murcad.
mkdir -p "$tmp/home" "$tmp/work"
(cd "$tmp/work" && HOME=$tmp/home "$usr/bin/murcad-cli" dxf -o out.dxf "$wall" 2>"$tmp/dxf.log") ||
    { cat "$tmp/dxf.log"; fail "murcad-cli dxf dal pacchetto"; }
head -n 4 "$usr/share/murcad/Init1.kvl" | tr -d '\r' | cmp -s - <(head -n 4 "$tmp/work/out.dxf" | tr -d '\r') ||
    fail "il DXF non inizia col modello Init1.kvl"
[ "$(tail -n 1 "$tmp/work/out.dxf" | tr -d '\r')" = EOF ] || fail "DXF incompleto"
(cd "$tmp/work" && HOME=$tmp/home "$usr/bin/murcad" --export esportati "$wall" >"$tmp/export.log" 2>&1) ||
    { cat "$tmp/export.log"; fail "murcad --export dal pacchetto"; }
[ -s "$tmp/work/esportati/realistic_10_storeys.DXF" ] || fail "murcad --export: $(ls "$tmp/work/esportati")"

# Menu entry, icons.
desktop=$usr/share/applications/murcad.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate"
grep -qx 'Exec=murcad %f' "$desktop" || fail "riga Exec"
grep -qx 'Icon=murcad' "$desktop" || fail "riga Icon"
for size in 16 32 48 64 128 256; do
    png=$usr/share/icons/hicolor/${size}x${size}/apps/murcad.png
    file "$png" | grep -q "PNG image data, $size x $size" || fail "icona $png: $(file -b "$png")"
done
grep -q '<svg' "$usr/share/icons/hicolor/scalable/apps/murcad.svg" || fail "icona SVG"

# MIME types, in a private XDG data folder: names, the header for a file without its
# extension, the companion file, and the program that opens a wall.
xdg=$tmp/xdg
mkdir -p "$xdg/mime/packages" "$xdg/applications" "$tmp/files"
cp "$usr/share/mime/packages/murcad.xml" "$xdg/mime/packages/"
XDG_DATA_HOME=$xdg update-mime-database "$xdg/mime"
cp "$desktop" "$xdg/applications/"
XDG_DATA_HOME=$xdg update-desktop-database "$xdg/applications"
mime() { XDG_DATA_HOME=$xdg XDG_DATA_DIRS=/usr/share XDG_CURRENT_DESKTOP= xdg-mime "$@"; }
cp "$wall" "$tmp/files/P1.PAR"
cp "$wall" "$tmp/files/p2.par"
cp "$wall" "$tmp/files/parete-senza-estensione"
printf ' 5, 2, 1\r\n' >"$tmp/files/P1.wpx"
printf 'appunti\n' >"$tmp/files/appunti"
expect() {
    local got
    got=$(mime query filetype "$tmp/files/$1")
    [ "$got" = "$2" ] || fail "tipo MIME di $1: $got invece di $2"
}
expect P1.PAR application/x-murcad-par
expect p2.par application/x-murcad-par
expect parete-senza-estensione application/x-murcad-par
expect P1.wpx application/x-murcad-wpx
expect appunti text/plain
[ "$(mime query default application/x-murcad-par)" = murcad.desktop ] ||
    fail "programma predefinito: $(mime query default application/x-murcad-par)"

# Manual pages: format without warnings; murcad-cli's names every command of its --help.
for page in murcad murcad-cli; do
    man --warnings -E UTF-8 -l "$usr/share/man/man1/$page.1.gz" >"$tmp/$page.txt" 2>"$tmp/man.err"
    [ ! -s "$tmp/man.err" ] || { cat "$tmp/man.err"; fail "avvisi di man per $page.1"; }
done
for cmd in $("$usr/bin/murcad-cli" --help | sed -n '/^Comandi:/,/^$/s/^  \([a-z][a-z0-9-]*\).*/\1/p'); do
    grep -Eq "murcad-cli +$cmd( |$)" "$tmp/murcad-cli.txt" || fail "il manuale non descrive il comando $cmd"
done

# bash completion: the commands come from the program's help, wall files from *.PAR.
completion=$usr/share/bash-completion/completions/murcad-cli
words=$(PATH=$usr/bin:$PATH bash -c '
    source /usr/share/bash-completion/bash_completion
    source "$1"
    COMP_WORDS=(murcad-cli d); COMP_CWORD=1; COMP_LINE="murcad-cli d"; COMP_POINT=${#COMP_LINE}
    _murcad_cli; echo "${COMPREPLY[*]}"
    COMP_WORDS=(murcad-cli dxf --sc); COMP_CWORD=2; COMP_LINE="murcad-cli dxf --sc"
    COMP_POINT=${#COMP_LINE}; _murcad_cli; echo "${COMPREPLY[*]}"' _ "$completion")
[ "$words" = $'dxf\n--scale' ] || fail "completamento: $words"

echo "pacchetto verificato"
