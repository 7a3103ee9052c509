#!/usr/bin/env bash
# Start-up: process start to the dispatcher's decision (an unknown report
# code, exit 3) against the demo database, beside the floor (a bare program
# that opens the same embedded database and runs one query), the two run
# alternately. Target: at most 1.3 times the floor, medians of RUNS runs each.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
bench_setup
RUNS=${RUNS:-21}
cp "$BUILD/fixture/demo.fdb" "$WORK/demo.fdb"
printf '[Geral]\nUSUARIO=SYSDBA\nSENHA=masterkey\nLOCALBANCO=%s\n' "$WORK/demo.fdb" >"$WORK/TL.ini"
printf '[Geral]\nRELATORIO=nenhum\n' >"$WORK/parimp.txt"
floor=("$BUILD/bench/bench_floor" "$WORK/demo.fdb")
start=("$EXE" --batch --config "$WORK/TL.ini" --job "$WORK/parimp.txt")
OK_STATUSES="0 3"  # the job ends with 3: no document for the code
interleaved "$RUNS" "floor (open + one query)" floor "start-up to dispatch" start
verdict "start-up / floor" "$RATIO" 1.30
