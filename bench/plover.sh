#!/usr/bin/env bash
# Listing parser: a generated 100 000-line Unix listing parsed into a CKestrel (entries per
# second, peak memory, pages first touched) against Debian's python3-ftputil parsing the same
# text line by line in the same run. Target: at least 5 times faster than ftputil. ftputil is run
# twice: dropping each parsed entry at once (the target's measure) and keeping its entries in a
# list, as Plover keeps them in the CKestrel (printed for comparison).
set -euo pipefail
build=${1:-build}
tool="$build/plover/plover_bench"
[ -x "$tool" ] || { echo "plover.sh: $tool is missing (build the plover_bench target)"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export ALBRYN_CLASS_REGISTRY="$work/classes.reg"
lines=100000

# Folders, files, links, names with spaces and pattern characters, this year's and old dates.
/usr/bin/python3 - "$work/listing.txt" "$lines" <<'PY'
import random, sys
random.seed(7)
months = "Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec".split()
with open(sys.argv[1], "w", newline="") as out:
    for i in range(int(sys.argv[2])):
        kind = random.choice("-----dl")
        mode = kind + random.choice(["rwxr-xr-x", "rw-r--r--", "rw-------"])
        when = f"{random.randint(0, 23):02d}:{random.randint(0, 59):02d}" if i % 2 else str(random.randint(1990, 2020))
        name = random.choice([f"file{i}.txt", f"My Photo ({i}).jpg", f"dir_{i}", f"a+b[{i}].tar.gz"])
        if kind == "l":
            name += f" -> target{i}"
        out.write(f"{mode} {random.randint(1, 9):3d} owner{i % 7:<5} group{i % 3:<5} {random.randint(0, 10**9):>10} "
                  f"{random.choice(months)} {random.randint(1, 28):2d} {when:>5} {name}\r\n")
PY

runs=${PLOVER_BENCH_RUNS:-5}
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# Plover, each run a fresh process under /usr/bin/time for the peak memory.
for run in $(seq "$runs"); do
  /usr/bin/time -v "$tool" "$work/listing.txt" > "$work/plover.out" 2> "$work/plover.time"
  awk '/^seconds/ {print $2}' "$work/plover.out" >> "$work/plover.seconds"
  awk '/^page-faults/ {print $2}' "$work/plover.out" >> "$work/plover.faults"
  awk -F: '/Maximum resident set size/ {gsub(/ /, "", $2); print $2}' "$work/plover.time" >> "$work/plover.peak"
done
plover_entries=$(awk '/^entries/ {print $2}' "$work/plover.out")
plover_seconds=$(median < "$work/plover.seconds")
plover_faults=$(median < "$work/plover.faults")
peak_kb=$(median < "$work/plover.peak")

# ftputil's Unix parser on the same lines, run two ways: keeping each parsed entry (as a
# directory model does, and as Plover does into the CKestrel) and dropping it at once.
ftputil() {  # keep|drop
  /usr/bin/python3 - "$work/listing.txt" "$1" <<'PY'
import sys, time
import ftputil.stat
parser = ftputil.stat.UnixParser()
with open(sys.argv[1], newline="") as f:
    lines = f.read().split("\r\n")[:-1]
start = time.perf_counter()
if sys.argv[2] == "keep":
    entries = [parser.parse_line(line) for line in lines]
else:
    for line in lines:
        parser.parse_line(line)
print(f"{time.perf_counter() - start:.3f}")
PY
}
for mode in keep drop; do
  for run in $(seq 3); do ftputil "$mode"; done | median > "$work/ftputil.$mode"
done
keep_seconds=$(cat "$work/ftputil.keep")
drop_seconds=$(cat "$work/ftputil.drop")

awk -v n="$lines" -v e="$plover_entries" -v p="$plover_seconds" -v k="$keep_seconds" -v d="$drop_seconds" \
    -v kb="$peak_kb" -v faults="$plover_faults" -v runs="$runs" 'BEGIN {
  printf "plover: %d lines, %d entries in %.3f s (median of %d runs): %.0f entries/s, peak memory %.1f MB, %d pages first touched during the parse\n", n, e, p, runs, e / p, kb / 1024, faults
  printf "ftputil keeping its entries: %.3f s, %.0f lines/s\n", k, n / k
  printf "ftputil dropping its entries: %.3f s, %.0f lines/s\n", d, n / d
  printf "ratio against ftputil keeping its entries: %.2f\n", k / p
  ratio = d / p
  printf "ratio against ftputil dropping its entries: %.2f (target >= 5) %s\n", ratio, ratio >= 5 ? "PASS" : "FAIL"
  exit ratio >= 5 ? 0 : 1
}'
