#!/usr/bin/env bash
# Starts the desktop program when a display is present; otherwise runs a
# sample search with the command line over the folder in samples/.
set -euo pipefail
build=${1:-build}
root=$(cd "$(dirname "$0")/.." && pwd)

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -x "$build/quillfind" ]; then
  exec "$build/quillfind"
fi

echo "Sample search: the word \"needle\" in the files of samples/ (quillfind-cli --help lists every option)"
"$build/quillfind-cli" --home "$root/$build/home" -q needle --format table "$root/samples" || true
