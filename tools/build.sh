#!/usr/bin/env bash
# Installs what is missing (Debian 12, as root), builds, then runs the program or the tests.
#   tools/build.sh run    build and open the bundled example wall
#   tools/build.sh test   build and run every test
set -euo pipefail
cd "$(dirname "$0")/.."
mode="${1:-run}"

packages=(build-essential cmake pkg-config qt6-base-dev qt6-svg-dev libgl1-mesa-dev
          libgtest-dev googletest libbenchmark-dev python3 python3-ezdxf xvfb xauth
          fonts-dejavu-core locales poppler-utils librecad libreoffice-writer-nogui
          qt6-translations-l10n
          dpkg-dev fakeroot file lintian desktop-file-utils shared-mime-info xdg-utils
          libfile-mimeinfo-perl man-db bash-completion)
# Node.js and npm run web-ifc, the independent IFC reader of the tests; a Node.js already
# installed from elsewhere is kept.
command -v node >/dev/null 2>&1 || packages+=(nodejs)
command -v npm >/dev/null 2>&1 || packages+=(npm)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installo i pacchetti mancanti: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
# The report tests print numbers in the Italian locale too.
if ! locale -a 2>/dev/null | grep -qi '^it_IT\.utf-\?8$'; then
    sed -i 's/^# *\(it_IT.UTF-8 UTF-8\)/\1/' /etc/locale.gen 2>/dev/null || true
    grep -q '^it_IT.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null || echo 'it_IT.UTF-8 UTF-8' >> /etc/locale.gen
    locale-gen >/dev/null 2>&1 || true
fi

build=build
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$(nproc)"

example=examples/realistic_10_storeys.PAR
case "$mode" in
run)
    if [ -x "$build/bin/murcad" ]; then
        exec "$build/bin/murcad" "$example"
    fi
    exec "$build/bin/murcad-cli" info "$example"
    ;;
test)
    # web-ifc, the IFC reader the IFC tests check the export with, into the build folder.
    if [ ! -f "$build/webifc/node_modules/web-ifc/web-ifc-api-node.js" ]; then
        mkdir -p "$build/webifc"
        npm install --prefix "$build/webifc" --no-audit --no-fund --loglevel=error \
            web-ifc@0.0.78 >/dev/null
    fi
    (cd "$build" && ctest --output-on-failure -j"$(nproc)" --timeout 600)
    # The core and its tests again under AddressSanitizer and UndefinedBehaviorSanitizer.
    asan=build-asan
    cmake -S . -B "$asan" -DCMAKE_BUILD_TYPE=Debug -DMURCAD_SANITIZE=ON \
          -DMURCAD_BUILD_APP=OFF -DMURCAD_BUILD_BENCH=OFF >/dev/null
    cmake --build "$asan" -j"$(nproc)"
    cd "$asan"
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
        LSAN_OPTIONS="suppressions=$PWD/../tools/lsan.supp" \
        ctest --output-on-failure -j"$(nproc)" --timeout 900
    ;;
*)
    echo "uso: $0 run|test" >&2
    exit 2
    ;;
esac
