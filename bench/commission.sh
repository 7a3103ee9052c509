#!/usr/bin/env bash
# Commission inquiry: &OK over 100 000 invoiced sales (a copy of the demo
# database with generated sales in 2025), in each mode. Target: the grid
# filled in at most 2 s, the process within 300 MB.
#   BUILD=build-dir bench/commission.sh     (default: build/)
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${BUILD:-$ROOT/build}
SALES=${SALES:-100000}
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

"$BUILD/bench/commission_bench" "$WORK/bench.fdb" 01/01/2025 31/12/2025 | tee "$WORK/out"
worst=$(awk '/pior tempo/ {print $3}' "$WORK/out")
peak=$(awk '/pico de memoria/ {print $4}' "$WORK/out")
echo "alvo: <= 2000 ms e <= 300 MiB; obtido: ${worst} ms e ${peak} MiB"
[ "$worst" -le 2000 ] && [ "$peak" -le 300 ]
