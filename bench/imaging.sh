#!/usr/bin/env bash
# Thumbnail speed and memory: ResizeImageFile(source, destination, 0, 100, 75) over 40 generated
# 4000 x 3000 photo-like JPEGs (quality 90), against vipsthumbnail -s '100x75!' and ImageMagick's
# convert -thumbnail '100x75!' on the same files in the same run, all single-threaded, all
# writing quality 80. Targets: at most 1.1 x vipsthumbnail's time, at most 0.3 x ImageMagick's,
# peak memory under 100 MB. Prints the figures; exits 1 when a target is missed.
# IMAGING_BENCH_RUNS sets the number of measured runs (3).
# Usage: bench/imaging.sh BUILD_FOLDER
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
count=40
runs=${IMAGING_BENCH_RUNS:-3}

cmake --build "$build" --target imaging_resize_bench imaging_make_photos >/dev/null
source "$(dirname "$0")/common.bash"
driver=$(tool imaging_resize_bench)
generator=$(tool imaging_make_photos)
magick=/usr/bin/convert  # ImageMagick itself, not whatever wrapper comes first on PATH
[ -x "$magick" ] || magick=$(command -v convert)

# The pictures are made once and kept under the build folder.
photos="$build/bench-cache/imaging-photos"
"$generator" "$photos" "$count"
files=()
for i in $(seq -f %02g 1 "$count"); do files+=("$photos/photo$i.jpg"); done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/albryn" "$work/vips" "$work/magick"

# One script per contender, each making all the thumbnails.
printf 'exec %q %q "$@"\n' "$driver" "$work/albryn" >"$work/albryn.sh"
printf 'exec vipsthumbnail -s "100x75!" -o %q "$@"\n' "$work/vips/%s.jpg[Q=80]" >"$work/vips.sh"
printf 'for f; do %q "$f" -thumbnail "100x75!" -quality 80 %q/"${f##*/}" || exit 1; done\n' \
  "$magick" "$work/magick" >"$work/magick.sh"

export VIPS_CONCURRENCY=1 OMP_NUM_THREADS=1 MAGICK_THREAD_LIMIT=1
names=(albryn vips magick)
labels=("ResizeImageFile" "vipsthumbnail" "ImageMagick convert")

# A warm-up round, then rounds in which the contenders take turns, so that a change in the
# machine's load falls on all of them alike. Each run writes into an empty folder, as generating
# a new album does. /usr/bin/time gives the wall-clock and processor (user + system) seconds and
# the peak resident memory of the contender's largest process.
declare -A wall_s cpu_s peak_kb
for name in "${names[@]}"; do wall_s[$name]=0; cpu_s[$name]=0; peak_kb[$name]=0; done
for round in $(seq 0 "$runs"); do
  for name in "${names[@]}"; do
    rm -f "$work/$name"/*
    read -r wall user system kb < <(/usr/bin/time -f '%e %U %S %M' \
      bash "$work/$name.sh" "${files[@]}" 2>&1 >/dev/null | tail -1)
    [ "$round" -eq 0 ] && continue
    wall_s[$name]=$(awk -v a="${wall_s[$name]}" -v b="$wall" -v r="$runs" 'BEGIN { print a + b / r }')
    cpu_s[$name]=$(awk -v a="${cpu_s[$name]}" -v u="$user" -v s="$system" -v r="$runs" \
      'BEGIN { print a + (u + s) / r }')
    [ "$kb" -gt "${peak_kb[$name]}" ] && peak_kb[$name]=$kb
  done
done

# Every contender made every thumbnail at 100 x 75.
for name in "${names[@]}"; do
  made=$(find "$work/$name" -name '*.jpg' | wc -l)
  size=$(image_size "$work/$name/photo01.jpg")
  if [ "$made" -ne "$count" ] || [ "$size" != 100x75 ]; then
    echo "imaging: $name made $made thumbnails of $size" >&2
    exit 1
  fi
done

megabytes=$(du -cm "${files[@]}" | tail -1 | cut -f1)
echo "imaging: $count pictures of 4000 x 3000, JPEG quality 90, $megabytes MB; 100 x 75 thumbnails;"
echo "         single-threaded; mean of $runs interleaved runs after a warm-up"
printf '  %-22s %16s %16s %14s\n' contender "wall ms/picture" "cpu ms/picture" "peak memory"
for i in "${!names[@]}"; do
  name=${names[$i]}
  awk -v l="${labels[$i]}" -v w="${wall_s[$name]}" -v c="${cpu_s[$name]}" -v n="$count" \
    -v kb="${peak_kb[$name]}" \
    'BEGIN { printf "  %-22s %16.1f %16.1f %11.1f MB\n", l, w * 1000 / n, c * 1000 / n, kb / 1024 }'
done

# The targets are judged on processor time: on a shared machine the wall-clock time also
# counts the waits for a free core. The wall-clock ratios are printed beside them.
echo "  wall-clock ratios: $(ratio "${wall_s[albryn]}" "${wall_s[vips]}") x vipsthumbnail," \
  "$(ratio "${wall_s[albryn]}" "${wall_s[magick]}") x ImageMagick"
check "processor time / vipsthumbnail's" "$(ratio "${cpu_s[albryn]}" "${cpu_s[vips]}")" "<=" 1.1
check "processor time / ImageMagick's" "$(ratio "${cpu_s[albryn]}" "${cpu_s[magick]}")" "<=" 0.3
check "peak memory, MB" "$(awk -v kb="${peak_kb[albryn]}" 'BEGIN { print kb / 1024 }')" "<" 100
exit $status
