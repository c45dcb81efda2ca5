#!/usr/bin/env bash
# Opening long recordings with F0 and formants in the real analysis view, offscreen: the
# longest stretch the UI thread is busy and when the spectrogram and the overlays are drawn.
# Usage: bench/ui_open_async.sh [--minutes N] [--runs N]   (builds build-ui-bench/ beside the sources)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
repo="$(dirname "$here")"
build="$repo/build-ui-bench"
cmake -S "$here/ui_open_draw" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2 --target ui_open_async >/dev/null
QT_QPA_PLATFORM=offscreen "$build/ui_open_async" "$@"
