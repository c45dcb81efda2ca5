#!/usr/bin/env bash
# Installs what is missing, builds, and starts Velmora on the demo working folder.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
mkdir -p build
scripts/build.sh build
demo="${VELMORA_DEMO_DIR:-$PWD/demo}"
if [ ! -d "$demo" ]; then
  build/src/velmora-cli make-demo "$demo"
fi
exec build/src/velmora --data "$demo" "$@"
