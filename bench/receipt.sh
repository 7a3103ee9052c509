#!/usr/bin/env bash
# Counter receipt end to end: process start to exit for the 30-item receipt of
# demo sale 3 written to a printer file, against the floor (a bare program that
# opens the same embedded database and runs one query), the two run
# alternately. Targets: at most 1.35 times the floor (medians of RUNS runs
# each) and at most 90 M instructions (callgrind; CALLGRIND=0 skips it).
# BUILD=/path/to/build uses an existing build tree instead of building build/.
set -euo pipefail
HERE=$(cd "$(dirname "$0")" && pwd)
source "$HERE/lib.sh"
bench_setup
RUNS=${RUNS:-21}
# The users' locale for the program (the shell itself may lack it: quiet).
export LC_ALL=pt_BR.UTF-8 2>/dev/null


cp "$BUILD/fixture/demo.fdb" "$WORK/demo.fdb"
printf '[Geral]\nUSUARIO=SYSDBA\nSENHA=masterkey\nLOCALBANCO=%s\n' "$WORK/demo.fdb" >"$WORK/TL.ini"
printf '[Geral]\nRELATORIO=pedidocupom\nSACOD=3\nLOCALIMPRESSORA=%s\n' "$WORK/receipt.prn" >"$WORK/parimp.txt"
receipt=("$EXE" --batch --config "$WORK/TL.ini" --job "$WORK/parimp.txt")

# The job must really print: 30 items, ended by the paper cut.
"${receipt[@]}" >/dev/null 2>&1 || { echo "the receipt job failed" >&2; exit 1; }
items=$(grep -c '  X  ' "$WORK/receipt.prn" || true)
[[ $items -eq 30 ]] || { echo "expected 30 item lines, got $items" >&2; exit 1; }

[[ -x "$BUILD/bench/bench_floor" ]] || { echo "no floor: build the bench_floor target" >&2; exit 1; }
floor=("$BUILD/bench/bench_floor" "$WORK/demo.fdb")
interleaved "$RUNS" "floor (open + one query)" floor "receipt, 30 items, e2e" receipt
verdict "receipt / floor" "$RATIO" 1.35
if [[ ${CALLGRIND:-1} != 0 ]]; then
  n=$(instructions "${receipt[@]}")
  verdict "receipt, instructions (M)" "$(LC_ALL=C awk -v n="$n" 'BEGIN { printf "%.1f", n / 1e6 }')" 90
fi
