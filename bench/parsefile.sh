#!/usr/bin/env bash
# ParseFile speed and memory: CTesselDLL.ParseFile (created by class id, one event sink adding up
# the fields) over a generated 100 MB text file of short space-separated records, against
# awk '{n+=NF} END {print n}' on the same file in the same run; then ParseFile's peak memory on
# a 50 MB and a 100 MB file. Targets: at least half of awk's throughput (processor time, as the
# machine may be shared), and memory that does not grow with the file (at most 8 MB more for
# the 100 MB file). Prints the figures; exits 1 when a target is missed.
# PARSEFILE_BENCH_RUNS sets the number of measured runs (3).
# Usage: bench/parsefile.sh BUILD_FOLDER
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
runs=${PARSEFILE_BENCH_RUNS:-3}

cmake --build "$build" --target TesselDLL tessel_parsefile_bench albryn-regsvr >/dev/null
source "$here/common.bash"
driver=$(tool tessel_parsefile_bench)
library=$(tool libTesselDLL.so)
regsvr=$(tool albryn-regsvr)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export ALBRYN_CLASS_REGISTRY="$work/classes.reg"
"$regsvr" "$library" >/dev/null

# The files are made once and kept under the build folder.
data="$build/bench-cache/parsefile"
mkdir -p "$data"
for mb in 50 100; do
  [ -s "$data/records-$mb.txt" ] || /usr/bin/python3 "$here/gen_records.py" "$mb" "$data/records-$mb.txt"
done
file="$data/records-100.txt"

# Both count the same fields.
fields=$("$driver" "$file")
awk_fields=$(awk '{n+=NF} END {print n}' "$file")
if [ "$fields" != "$awk_fields" ]; then
  echo "parsefile: ParseFile counted $fields fields, awk $awk_fields" >&2
  exit 1
fi

# A warm-up round, then rounds in which the two take turns, so that a change in the machine's
# load falls on both alike.
declare -A wall_s cpu_s
names=(parsefile awk)
for name in "${names[@]}"; do wall_s[$name]=0; cpu_s[$name]=0; done
printf 'exec %q %q\n' "$driver" "$file" >"$work/parsefile.sh"
printf 'exec awk %q %q\n' '{n+=NF} END {print n}' "$file" >"$work/awk.sh"
for round in $(seq 0 "$runs"); do
  for name in "${names[@]}"; do
    read -r wall user system < <(/usr/bin/time -f '%e %U %S' bash "$work/$name.sh" 2>&1 >/dev/null | tail -1)
    [ "$round" -eq 0 ] && continue
    wall_s[$name]=$(awk -v a="${wall_s[$name]}" -v b="$wall" -v r="$runs" 'BEGIN { print a + b / r }')
    cpu_s[$name]=$(awk -v a="${cpu_s[$name]}" -v u="$user" -v s="$system" -v r="$runs" 'BEGIN { print a + (u + s) / r }')
  done
done

peak_kb() { /usr/bin/time -v "$driver" "$1" 2>&1 >/dev/null | awk -F': ' '/Maximum resident set size/ { print $2 }'; }
peak50=$(peak_kb "$data/records-50.txt")
peak100=$(peak_kb "$data/records-100.txt")

megabytes=$(awk -v b="$(stat -c %s "$file")" 'BEGIN { print b / 1048576 }')
echo "parsefile: $megabytes MB, $fields fields; mean of $runs interleaved runs after a warm-up"
printf '  %-12s %12s %12s\n' contender "wall MB/s" "cpu MB/s"
for name in "${names[@]}"; do
  awk -v n="$name" -v mb="$megabytes" -v w="${wall_s[$name]}" -v c="${cpu_s[$name]}" \
    'BEGIN { printf "  %-12s %12.1f %12.1f\n", n, mb / w, mb / c }'
done
ratio=$(awk -v p="${cpu_s[parsefile]}" -v a="${cpu_s[awk]}" 'BEGIN { printf "%.2f", a / p }')
wall_ratio=$(awk -v p="${wall_s[parsefile]}" -v a="${wall_s[awk]}" 'BEGIN { printf "%.2f", a / p }')
echo "  ParseFile throughput / awk throughput: $ratio by processor time, $wall_ratio by wall time (target >= 0.5)"
echo "  ParseFile peak memory: $((peak50 / 1024)) MB for 50 MB, $((peak100 / 1024)) MB for 100 MB (target: flat)"

status=0
if awk -v r="$ratio" 'BEGIN { exit !(r < 0.5) }'; then
  echo "parsefile: below half of awk's throughput" >&2
  status=1
fi
if [ "$peak100" -gt $((peak50 + 8192)) ]; then
  echo "parsefile: memory grows with the file" >&2
  status=1
fi
exit $status
