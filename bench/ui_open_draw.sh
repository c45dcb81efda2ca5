#!/usr/bin/env bash
# The analysis view's open-and-draw and repaint times on the real widgets, offscreen.
# Usage: bench/ui_open_draw.sh [--png FILE]   (builds build-ui-bench/ beside the sources)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
repo="$(dirname "$here")"
build="$repo/build-ui-bench"
cmake -S "$here/ui_open_draw" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2 --target ui_open_draw >/dev/null
QT_QPA_PLATFORM=offscreen "$build/ui_open_draw" "$@"
