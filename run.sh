#!/usr/bin/env bash
# Installs what is missing, builds, and opens FOLDER (or a fresh copy of the demo photos).
set -euo pipefail
source "$(dirname "$0")/tools/common.sh"

orvane_install_missing "${ORVANE_PACKAGES[@]}"
orvane_build

if [ ! -x "$ORVANE_BUILD/orvane" ]; then
    echo "Built the core library and its tools; the orvane window is not part of this build yet."
    exit 0
fi

folder="${1:-}"
if [ -z "$folder" ]; then
    # Keyword edits on the demo photos must never touch the repository: work on a copy.
    cache="${XDG_CACHE_HOME:-$HOME/.cache}/orvane/demo-photos"
    rm -rf "$cache"
    mkdir -p "$cache"
    cp -r "$ORVANE_ROOT/samples/photos/." "$cache/"
    folder="$cache"
fi
exec "$ORVANE_BUILD/orvane" "$folder"
