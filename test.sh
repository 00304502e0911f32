#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test through CTest. Exits with CTest's status.
set -euo pipefail
source "$(dirname "$0")/tools/common.sh"

orvane_install_missing "${ORVANE_PACKAGES[@]}"
orvane_build -DORVANE_BUILD_TESTS=ON

cd "$ORVANE_BUILD"
set +e
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)" --timeout 600
status=$?
exit $status
