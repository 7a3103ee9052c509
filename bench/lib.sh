# Shared by the benchmark scripts. Figures are computed and printed in the C
# locale (the program itself runs in the users' locale).

# Wall time of one run of a command, in milliseconds (its output discarded);
# fails when the command ends with a status not in OK_STATUSES (default 0),
# so that no failed run is timed.
run_ms() {
  local t0 t1 rc=0
  t0=$(date +%s%N)
  "$@" >/dev/null 2>&1 || rc=$?
  t1=$(date +%s%N)
  [[ " ${OK_STATUSES:-0} " == *" $rc "* ]] || { echo "failed ($rc): $*" >&2; return 1; }
  echo $(( (t1 - t0) / 1000000 ))
}

# "median min max" of numbers on standard input.
stats() {
  LC_ALL=C sort -g | LC_ALL=C awk '{a[NR] = $1} END {
    if (NR == 0) { print "0 0 0"; exit }
    m = NR % 2 ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2
    print m, a[1], a[NR] }'
}

# Median wall time of a command over RUNS runs (milliseconds).
# usage: median_ms RUNS command args...
median_ms() {
  local runs=$1; shift
  local t=()
  for _ in $(seq "$runs"); do t+=("$(run_ms "$@")"); done
  printf '%s\n' "${t[@]}" | stats | LC_ALL=C awk '{print $1}'
}

# Timing line of RUNS runs of a command: "median N ms (min A, max B, R runs)".
# usage: timed RUNS command args...
timed() {
  local runs=$1; shift
  local t=()
  for _ in $(seq "$runs"); do t+=("$(run_ms "$@")"); done
  printf '%s\n' "${t[@]}" | stats |
    LC_ALL=C awk -v r="$runs" '{printf "median %d ms (min %d, max %d, %d runs)\n", $1, $2, $3, r}'
}

# Two commands run alternately, A B A B ..., RUNS times each, so that the
# machine's load falls on both alike. Prints each one's median and spread
# and the ratio of the medians B / A with the spread of the pairwise
# ratios; sets RATIO.
# usage: interleaved RUNS LABEL_A ARRAY_A LABEL_B ARRAY_B   (array names)
interleaved() {
  local runs=$1 label_a=$2 label_b=$4
  local -n cmd_a=$3 cmd_b=$5
  local a b ta=() tb=() pairs=()
  for _ in $(seq "$runs"); do
    a=$(run_ms "${cmd_a[@]}")
    b=$(run_ms "${cmd_b[@]}")
    ta+=("$a"); tb+=("$b")
    pairs+=("$(LC_ALL=C awk -v a="$a" -v b="$b" 'BEGIN { printf "%.4f", (a > 0 ? b / a : 0) }')")
  done
  local sa sb sp
  sa=$(printf '%s\n' "${ta[@]}" | stats)
  sb=$(printf '%s\n' "${tb[@]}" | stats)
  sp=$(printf '%s\n' "${pairs[@]}" | stats)
  printf '%-34s median %s ms (min %s, max %s)\n' "$label_a:" $sa
  printf '%-34s median %s ms (min %s, max %s)\n' "$label_b:" $sb
  RATIO=$(LC_ALL=C awk -v a="${sa%% *}" -v b="${sb%% *}" 'BEGIN { printf "%.2f", (a > 0 ? b / a : 0) }')
  echo "ratio of the medians: $RATIO (run by run: median $(echo "$sp" |
    LC_ALL=C awk '{printf "%.2f, min %.2f, max %.2f", $1, $2, $3}'), $runs pairs run alternately)"
}

# "met" when VALUE <= TARGET, else "NOT met"; prints "LABEL: target <= TARGET: verdict".
# usage: verdict LABEL VALUE TARGET
verdict() {
  LC_ALL=C awk -v l="$1" -v v="$2" -v t="$3" 'BEGIN {
    printf "%s: %s (target <= %s): %s\n", l, v, t, (v + 0 <= t + 0 ? "met" : "NOT met") }'
}

# Peak resident memory (KiB) of one run of a command.
peak_kib() {
  /usr/bin/time -f '%M' "$@" 2>&1 >/dev/null | tail -n 1
}

# Builds the project and the demo database into build/ once; BUILD=/path
# uses an existing build tree as it is.
bench_setup() {
  ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
  if [[ -z "${BUILD:-}" ]]; then
    bash "$ROOT/scripts/build.sh" >/dev/null
    BUILD=$ROOT/build
  fi
  EXE=$BUILD/tl_relatorios
  WORK=$(mktemp -d)
  trap 'rm -rf "$WORK"' EXIT
}

# Instructions executed by one run of a command (valgrind's callgrind),
# installed on first use.
instructions() {
  if ! command -v valgrind >/dev/null; then
    apt-get install -y valgrind >/dev/null 2>&1 ||
      { echo "valgrind is missing and could not be installed" >&2; return 1; }
  fi
  local out
  out=$(mktemp)
  # Children traced: a page job runs in the windowed program the first one
  # starts by exec (the few million instructions before that are not counted).
  valgrind --tool=callgrind --trace-children=yes --callgrind-out-file="$out.cg" "$@" 2>"$out" >/dev/null || true
  LC_ALL=C awk '/Collected :/ { n += $NF } END { print n }' "$out"
  rm -f "$out" "$out.cg"
}
