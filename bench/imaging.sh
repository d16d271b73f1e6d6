#!/usr/bin/env bash
# Thumbnail speed and memory: ResizeImageFile(source, destination, 0, 100, 75) over 40 generated
# 4000 x 3000 photo-like JPEGs (quality 90), against vipsthumbnail -s '100x75!' and ImageMagick's
# convert -thumbnail '100x75!' on the same files in the same run, all single-threaded, all
# writing quality 80. Targets: at most 1.1 x vipsthumbnail's time, at most 0.3 x ImageMagick's,
# peak memory under 100 MB. Prints the figures; exits 1 when a target is missed.
# Usage: bench/imaging.sh BUILD_FOLDER
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
count=40
runs=${IMAGING_BENCH_RUNS:-3}

cmake --build "$build" --target imaging_resize_bench imaging_make_photos >/dev/null
tool() { find "$build" -name "$1" -type f -perm -u+x -print -quit; }
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

arguments=$(printf '%q ' "${files[@]}")
hyperfine --style none --warmup 1 --runs "$runs" --export-csv "$work/times.csv" \
  -n albryn "bash $work/albryn.sh $arguments" \
  -n vips "bash $work/vips.sh $arguments" \
  -n magick "bash $work/magick.sh $arguments" >/dev/null

# Peak resident memory (the largest process of each contender), one more run each.
declare -A peak_kb mean_s
for name in "${names[@]}"; do
  peak_kb[$name]=$(/usr/bin/time -f %M bash "$work/$name.sh" "${files[@]}" 2>&1 >/dev/null | tail -1)
  mean_s[$name]=$(awk -F, -v n="$name" '$1 == n { print $2 }' "$work/times.csv")
done

# Every contender made every thumbnail at 100 x 75.
for name in "${names[@]}"; do
  made=$(find "$work/$name" -name '*.jpg' | wc -l)
  size=$(vipsheader -f width "$work/$name/photo01.jpg")x$(vipsheader -f height "$work/$name/photo01.jpg")
  if [ "$made" -ne "$count" ] || [ "$size" != 100x75 ]; then
    echo "imaging: $name made $made thumbnails of $size" >&2
    exit 1
  fi
done

megabytes=$(du -cm "${files[@]}" | tail -1 | cut -f1)
echo "imaging: $count pictures of 4000 x 3000, JPEG quality 90, $megabytes MB; 100 x 75 thumbnails;"
echo "         single-threaded; mean of $runs runs after a warm-up"
printf '  %-22s %12s %14s\n' contender ms/picture "peak memory"
for i in "${!names[@]}"; do
  name=${names[$i]}
  awk -v l="${labels[$i]}" -v s="${mean_s[$name]}" -v n="$count" -v kb="${peak_kb[$name]}" \
    'BEGIN { printf "  %-22s %12.1f %11.1f MB\n", l, s * 1000 / n, kb / 1024 }'
done

status=0
check() {  # label, value, comparison, limit, unit
  if awk -v v="$2" -v l="$4" -v op="$3" 'BEGIN { exit !(op == "<=" ? v <= l : v < l) }'; then
    verdict=met
  else
    verdict=MISSED
    status=1
  fi
  printf '  %-34s %8.2f%s (target %s %s%s) %s\n' "$1" "$2" "$5" "$3" "$4" "$5" "$verdict"
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", a / b }'; }
check "time / vipsthumbnail's" "$(ratio "${mean_s[albryn]}" "${mean_s[vips]}")" "<=" 1.1 ""
check "time / ImageMagick's" "$(ratio "${mean_s[albryn]}" "${mean_s[magick]}")" "<=" 0.3 ""
check "peak memory" "$(awk -v kb="${peak_kb[albryn]}" 'BEGIN { print kb / 1024 }')" "<" 100 " MB"
exit $status
