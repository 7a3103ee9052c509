#!/usr/bin/env bash
# Start-up: process start to the dispatcher's decision (an unknown report
# code, exit 3) against the demo database, beside the floor (a bare program
# that opens the same embedded database and runs one query). Target: at most
# 1.3 times the floor, medians of RUNS runs.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
bench_setup
RUNS=${RUNS:-21}
cp "$BUILD/fixture/demo.fdb" "$WORK/demo.fdb"
printf '[Geral]\nUSUARIO=SYSDBA\nSENHA=masterkey\nLOCALBANCO=%s\n' "$WORK/demo.fdb" >"$WORK/TL.ini"
printf '[Geral]\nRELATORIO=nenhum\n' >"$WORK/parimp.txt"
floor=$(median_ms "$RUNS" "$BUILD/bench/bench_floor" "$WORK/demo.fdb")
start=$(median_ms "$RUNS" "$EXE" --batch --config "$WORK/TL.ini" --job "$WORK/parimp.txt")
echo "floor (open + one query): ${floor} ms"
echo "start-up to dispatch:     ${start} ms"
awk -v a="$start" -v b="$floor" 'BEGIN { printf "ratio: %.2f (target <= 1.30)\n", a / b }'
