#!/usr/bin/env bash
# Pictures the main window and every dialog and tool window under a virtual
# display and writes them to docs/screenshots/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-gallery}
command -v xvfb-run >/dev/null || { apt-get install -y xvfb xauth >/dev/null; }
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLFIND_BUILD_GALLERY=ON \
  -DQUILLFIND_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target quillfind-gallery
cd "$root"
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1920x1200x24" "$build/quillfind-gallery" docs/screenshots samples
