#!/usr/bin/env bash
# Commission inquiry: &OK over SALES invoiced sales (a copy of the demo
# database with generated sales in 2025) in each mode, the modes run in
# turn (A B C A B C ...) RUNS times, each run in its own process.
# Targets: every mode's median at most 2 s at 100 000 sales; at most 6 s and
# 300 MiB at 300 000 (generating 300 000 sales takes a minute or two).
#   SALES=300000 RUNS=5 BUILD=build-dir bench/commission.sh   (defaults: 100000, 5, build/)
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${BUILD:-$ROOT/build}
SALES=${SALES:-100000}
RUNS=${RUNS:-5}
if [ "$SALES" -ge 300000 ]; then LIMIT_MS=6000; else LIMIT_MS=2000; fi
LIMIT_MIB=300
cmake -S "$ROOT" -B "$BUILD" >/dev/null
cmake --build "$BUILD" --target fixture_db commission_bench -j2 >/dev/null

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
cp "$BUILD/fixture/demo.fdb" "$WORK/bench.fdb"

# Sales 1000000 on: two items each (ICMS-ST on one), one invoice each,
# emission dates spread over 2025, sellers 1 to 3, customers 10 to 13.
cat >"$WORK/gen.sql" <<SQL
SET TERM ^ ;
EXECUTE BLOCK AS
  DECLARE i INTEGER = 0;
  DECLARE s INTEGER;
  DECLARE d DATE;
BEGIN
  WHILE (i < $SALES) DO
  BEGIN
    s = 1000000 + i;
    d = DATEADD(MOD(i, 365) DAY TO DATE '2025-01-01');
    INSERT INTO saida (sacod, datasaida, dataentrega, safkinterveniente, safkvendedor, safktppag,
                       safktpsaida, savrtotal, sadesconto, savrpago, status)
      VALUES (:s, :d, :d, 10 + MOD(:i, 4), 1 + MOD(:i, 3), 1 + MOD(:i, 4), 1,
              1000 + MOD(:i, 900), 0, 1000 + MOD(:i, 900), 'A');
    INSERT INTO itemsaida (itcod, itfksacod, itfkprcod, itqtd, itvrunitario, itvrtotal, vicmsst)
      VALUES (:s * 10 + 1, :s, 1, 1, 600, 600, 12.5);
    INSERT INTO itemsaida (itcod, itfksacod, itfkprcod, itqtd, itvrunitario, itvrtotal, vicmsst)
      VALUES (:s * 10 + 2, :s, 2, 1, 400, 400, 0);
    INSERT INTO notafiscal (nfcod, fksaida, nfnumerodanota, nfdataemissao, nfinnome)
      VALUES (:s, :s, :i + 1, REPLACE(CAST(:d AS VARCHAR(10)), '-', ''), 'CLIENTE');
    i = i + 1;
  END
END^
SET TERM ; ^
COMMIT;
SQL
t0=$(date +%s)
ISC_USER=SYSDBA ISC_PASSWORD=masterkey isql-fb -q -bail "$WORK/bench.fdb" -i "$WORK/gen.sql"
echo "$SALES vendas geradas em $(( $(date +%s) - t0 )) s"

for _ in $(seq "$RUNS"); do
  for mode in vendedor representante indicacao; do
    "$BUILD/bench/commission_bench" "$WORK/bench.fdb" 01/01/2025 31/12/2025 "$mode" | tee -a "$WORK/out"
  done
done

# Median and spread (min-max) of the &OK time and the peak memory per mode.
echo "alvo: mediana de cada modo <= ${LIMIT_MS} ms e pico <= ${LIMIT_MIB} MiB ($SALES vendas, $RUNS execucoes)"
verdict=0
for mode in vendedor representante indicacao; do
  read -r med lo hi peak < <(awk -v m="$mode" '$2 == m { print $6, $14 }' "$WORK/out" | sort -n |
    awk '{ t[NR] = $1; if ($2 > p) p = $2 } END { print t[int((NR + 1) / 2)], t[1], t[NR], p }')
  ok=sim
  if [ "$med" -gt "$LIMIT_MS" ] || [ "$peak" -gt "$LIMIT_MIB" ]; then ok=NAO; verdict=1; fi
  printf '%-14s mediana %6d ms  (min %d, max %d)  pico %4d MiB  dentro do alvo: %s\n' \
    "$mode" "$med" "$lo" "$hi" "$peak" "$ok"
done
[ "$verdict" -eq 0 ] && echo "veredito: dentro do alvo" || echo "veredito: FORA do alvo"
exit "$verdict"
