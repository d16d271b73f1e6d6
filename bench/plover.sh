#!/usr/bin/env bash
# Listing parser: a generated 100 000-line Unix listing parsed into a CKestrel (entries per
# second, peak memory) against Debian's python3-ftputil parsing the same text line by line in
# the same run. Target: at least 5 times faster than ftputil.
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

# Plover, under /usr/bin/time for the peak memory.
/usr/bin/time -v "$tool" "$work/listing.txt" > "$work/plover.out" 2> "$work/plover.time"
plover_seconds=$(awk '/^seconds/ {print $2}' "$work/plover.out")
plover_entries=$(awk '/^entries/ {print $2}' "$work/plover.out")
peak_kb=$(awk -F: '/Maximum resident set size/ {gsub(/ /, "", $2); print $2}' "$work/plover.time")

# ftputil's Unix parser on the same lines.
ftputil_seconds=$(/usr/bin/python3 - "$work/listing.txt" <<'PY'
import sys, time
import ftputil.stat
parser = ftputil.stat.UnixParser()
with open(sys.argv[1], newline="") as f:
    lines = f.read().split("\r\n")[:-1]
start = time.perf_counter()
for line in lines:
    parser.parse_line(line)
print(f"{time.perf_counter() - start:.3f}")
PY
)

awk -v n="$lines" -v e="$plover_entries" -v p="$plover_seconds" -v f="$ftputil_seconds" -v kb="$peak_kb" 'BEGIN {
  printf "plover: %d lines, %d entries in %.3f s: %.0f entries/s, peak memory %.1f MB\n", n, e, p, e / p, kb / 1024
  printf "ftputil: %d lines in %.3f s: %.0f lines/s\n", n, f, n / f
  ratio = f / p
  printf "ratio (ftputil time / plover time): %.2f (target >= 5) %s\n", ratio, ratio >= 5 ? "PASS" : "FAIL"
  exit ratio >= 5 ? 0 : 1
}'
