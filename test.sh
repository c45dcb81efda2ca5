#!/usr/bin/env bash
# Installs what is missing, builds, starts a private PulseAudio server, runs every test
# (and the non-UI tests again under AddressSanitizer and UBSan), stops the server.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
mkdir -p build build-asan
scripts/build.sh build
scripts/build.sh build-asan -DVELMORA_SANITIZE=ON -DVELMORA_WITH_UI=OFF

source scripts/sound-server.sh
# The trap comes first: a start that fails half-way must not leave a server or stream behind.
trap stop_sound_server EXIT
start_sound_server

status=0
export QT_QPA_PLATFORM=offscreen
(cd build && ctest --output-on-failure -j 2 --timeout 600) || status=1
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 ctest --output-on-failure -j 2 --timeout 600) || status=1
exit $status
