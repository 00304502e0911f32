#!/usr/bin/env bash
# Installs what the benchmarks need, builds them (-DORVANE_BUILD_BENCH=ON, in build-bench/) and
# runs them. Benchmarks are never part of ./test.sh; each prints ratios against references
# measured in the same run.
set -euo pipefail
ORVANE_BUILD="${ORVANE_BUILD:-$(cd "$(dirname "$0")/.." && pwd)/build-bench}"
source "$(dirname "$0")/../tools/common.sh"

# References for bench_thumbs: vipsthumbnail and djpeg.
BENCH_PACKAGES=(libvips-tools libjpeg-turbo-progs)

orvane_install_missing "${ORVANE_PACKAGES[@]}" "${BENCH_PACKAGES[@]}"
orvane_build -DORVANE_BUILD_BENCH=ON

# Cold thumbnail building; a small corpus of 12-megapixel photos keeps it to a few minutes.
"$ORVANE_BUILD/bench_thumbs" --photos "${BENCH_THUMBS_PHOTOS:-24}" --rounds "${BENCH_THUMBS_ROUNDS:-3}"

# Keyword reading of 1,000 small tagged photos: parallel processes against one ExifTool process.
"$ORVANE_BUILD/bench_keyword_read" --photos "${BENCH_KEYWORDS_PHOTOS:-1000}" --rounds "${BENCH_KEYWORDS_ROUNDS:-3}"

# One full paint of a 1600 x 1000 thumbnail grid, offscreen (goal: under 16 ms median).
QT_QPA_PLATFORM=offscreen "$ORVANE_BUILD/bench_grid_paint"

# Warm re-open of 10,000 cached photos without ExifTool (goal: under 1 s of CPU, linear growth).
"$ORVANE_BUILD/bench_warm_reopen" --photos "${BENCH_REOPEN_PHOTOS:-10000}" --rounds "${BENCH_REOPEN_ROUNDS:-3}"

# Cascade filter picks and text filters, and "Refresh Filter", on 10,000 photos with 5 to 15 of
# 2,000 keywords each, built in memory (goal: each under 50 ms median).
QT_QPA_PLATFORM=offscreen "$ORVANE_BUILD/bench_cascade_filter" --photos "${BENCH_CASCADE_PHOTOS:-10000}"
