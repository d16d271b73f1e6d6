# Helpers the benchmark scripts share; sourced by them (run-all runs only bench/*.sh).
# They expect $build to name the build folder.

# The path of an executable built under $build.
tool() { find "$build" -name "$1" -type f -perm -u+x -print -quit; }

# a / b to three decimals.
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", a / b }'; }

# The size of a picture as WIDTHxHEIGHT.
image_size() { echo "$(vipsheader -f width "$1")x$(vipsheader -f height "$1")"; }

# Prints a figure against its target and sets status=1 when the target is missed.
# Usage: check LABEL VALUE "<="|"<" LIMIT [UNIT]
status=0
check() {
  local verdict=met
  awk -v v="$2" -v l="$4" -v op="$3" 'BEGIN { exit !(op == "<=" ? v <= l : v < l) }' || { verdict=MISSED; status=1; }
  printf '  %-40s %8.2f%s (target %s %s%s) %s\n' "$1" "$2" "${5:-}" "$3" "$4" "${5:-}" "$verdict"
}
