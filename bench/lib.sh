# Shared by the benchmark scripts: median wall time of a command over runs.
# usage: median_ms RUNS command args...   (prints milliseconds)
median_ms() {
  local runs=$1; shift
  local times=()
  for _ in $(seq "$runs"); do
    local t0 t1
    t0=$(date +%s%N)
    "$@" >/dev/null 2>&1 || true
    t1=$(date +%s%N)
    times+=($(( (t1 - t0) / 1000000 )))
  done
  printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'
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
