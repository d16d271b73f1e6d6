#!/usr/bin/env bash
# Image list with many pictures (offscreen): a drop of 5 000 files with the count label update
# against its 2 s target, adding 5 000 files selected in the local file list, and clicks, shift
# clicks, select-all and scrolling in the resulting 10 000-row list.
set -euo pipefail
build=${1:-build}
cmake --build "$build" --target album_imagelist_bench >/dev/null
driver="$build/albryn/album/album_imagelist_bench"
log=$(mktemp)
trap 'rm -f "$log"' EXIT

QT_QPA_PLATFORM=offscreen /usr/bin/time -v "$driver" 5000 2>"$log" | tee "$log.out"
drop_ms=$(awk '/^drop_and_count_label_ms/ {print $2}' "$log.out")
rss_kb=$(awk -F': ' '/Maximum resident set size/ {print $2}' "$log")
rm -f "$log.out"
echo "max_rss_mb $(awk -v kb="$rss_kb" 'BEGIN {printf "%.1f", kb / 1024}')"
awk -v ms="$drop_ms" 'BEGIN {
  printf "drop_ratio_to_2s_target %.3f (%s)\n", ms / 2000, (ms < 2000 ? "within target" : "OVER TARGET")
  exit (ms < 2000 ? 0 : 1)
}'
