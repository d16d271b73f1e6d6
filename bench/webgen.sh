#!/usr/bin/env bash
# Album generation speed and memory: the "thumb" style with thumbnails for 100 generated
# 4000 x 3000 JPEGs (the generation driver, thumbnails on one thread per core), against
# vipsthumbnail -s '100x75!' run once over the same files in the same run.
# Targets: at most 0.6 x vipsthumbnail's time, peak memory under 200 MB. Prints the figures;
# exits 1 when a target is missed.
# Usage: bench/webgen.sh BUILD_FOLDER
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
count=100
runs=${WEBGEN_BENCH_RUNS:-5}

cmake --build "$build" --target webgen_thumb_bench imaging_make_photos >/dev/null
source "$(dirname "$0")/common.bash"
generator=$(tool webgen_thumb_bench)
make_photos=$(tool imaging_make_photos)

# The pictures are made once and kept under the build folder.
photos="$build/bench-cache/webgen-photos"
if [ "$(find "$photos" -name 'photo*.jpg' 2>/dev/null | wc -l)" -ne "$count" ]; then
  rm -rf "$photos"
  "$make_photos" "$photos" "$count"
fi
files=("$photos"/photo*.jpg)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/albryn" "$work/vips"
printf 'exec %q %q "$@"\n' "$generator" "$work/albryn" >"$work/albryn.sh"
printf 'exec vipsthumbnail -s "100x75!" -o %q "$@"\n' "$work/vips/%s.jpg[Q=80]" >"$work/vips.sh"
# The same work split over two vipsthumbnail processes at once: what two cores can give, as a
# reference for how close the generation comes to the machine's limit.
half=$((count / 2))
{
  printf 'bash %q %s &\n' "$work/vips.sh" "$(printf '%q ' "${files[@]:0:half}")"
  printf 'bash %q %s\nwait\n' "$work/vips.sh" "$(printf '%q ' "${files[@]:half}")"
} >"$work/vips2.sh"

arguments=$(printf '%q ' "${files[@]}")
hyperfine --style none --warmup 1 --runs "$runs" --export-csv "$work/times.csv" \
  -n albryn "bash $work/albryn.sh $arguments" \
  -n vips "bash $work/vips.sh $arguments" \
  -n vips2 "bash $work/vips2.sh" >/dev/null

declare -A peak_kb mean_s
mean_s[vips2]=$(awk -F, '$1 == "vips2" { print $2 }' "$work/times.csv")
for name in albryn vips; do
  peak_kb[$name]=$(/usr/bin/time -f %M bash "$work/$name.sh" "${files[@]}" 2>&1 >/dev/null | tail -1)
  mean_s[$name]=$(awk -F, -v n="$name" '$1 == n { print $2 }' "$work/times.csv")
done

made=$(find "$work/albryn" -name 'thumb*.jpg' | wc -l)
size=$(image_size "$work/albryn/thumbphoto01.jpg")
if [ "$made" -ne "$count" ] || [ "$size" != 100x75 ] || [ ! -s "$work/albryn/album.html" ]; then
  echo "webgen: made $made thumbnails of $size" >&2
  exit 1
fi

echo "webgen: \"thumb\" album of $count pictures of 4000 x 3000, $(nproc) cores; mean of $runs runs after a warm-up"
printf '  %-28s %10s %14s\n' contender "wall time" "peak memory"
for name in albryn vips; do
  label=$([ "$name" = albryn ] && echo "album generation" || echo "vipsthumbnail")
  awk -v l="$label" -v s="${mean_s[$name]}" -v kb="${peak_kb[$name]}" \
    'BEGIN { printf "  %-28s %9.2fs %11.1f MB\n", l, s, kb / 1024 }'
done

awk -v s="${mean_s[vips2]}" -v b="${mean_s[vips]}" \
  'BEGIN { printf "  %-28s %9.2fs (%.2f of one vipsthumbnail: the two-core limit)\n", "vipsthumbnail x2 on halves", s, s / b }'
check "time / vipsthumbnail's" "$(ratio "${mean_s[albryn]}" "${mean_s[vips]}")" "<=" 0.6
check "peak memory" "$(awk -v kb="${peak_kb[albryn]}" 'BEGIN { print kb / 1024 }')" "<" 200 " MB"
exit $status
