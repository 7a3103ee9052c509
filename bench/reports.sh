#!/usr/bin/env bash
# Page reports end to end (process start to exit, PDF written):
#  1. an order of 1000 items to PDF: target at most 1.5 s and 200 MB;
#  2. the same small order (demo sale 1) from a database with 1 000 and with
#     200 000 item rows: target at most 1.2 times the 1 000-row time.
# The item rows are generated into copies of the demo database with EXECUTE
# BLOCK through isql-fb. Medians of RUNS runs.
# BUILD=/path/to/build uses an existing build tree instead of building build/.
set -euo pipefail
HERE=$(cd "$(dirname "$0")" && pwd)
source "$HERE/lib.sh"
bench_setup
ROOT=$(cd "$HERE/.." && pwd)
RUNS=${RUNS:-7}
ISQL=${ISQL:-isql-fb}
export LC_ALL=pt_BR.UTF-8 2>/dev/null
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$WORK}

# The program reads its images from its own folder: a copy of it with them.
cp "$EXE" "$WORK/tl_relatorios"
cp "$ROOT/scripts/demo/cabecalho.jpg" "$ROOT/scripts/demo/rodape.jpg" "$WORK/"

# sales SALES: SALES orders of 1000 items each, from sale 9001 on, copied
# from demo sale 1 (customer, seller, payment).
add_sales() {
  local db=$1 first=$2 count=$3
  ISC_USER=SYSDBA ISC_PASSWORD=masterkey "$ISQL" -q -bail "$db" <<SQL >/dev/null
SET TERM ^ ;
EXECUTE BLOCK AS
  DECLARE s INTEGER;
  DECLARE i INTEGER;
BEGIN
  s = $first;
  WHILE (s < $first + $count) DO
  BEGIN
    INSERT INTO saida (sacod, datasaida, dataentrega, saentrega, safkinterveniente, safkvendedor,
                       safktppag, safktpsaida, total, savrtotal, sadesconto, valoripi, valoricmss,
                       vrfrete, savrtroca, savrpago, saobs, status)
      SELECT :s, datasaida, dataentrega, saentrega, safkinterveniente, safkvendedor, safktppag,
             safktpsaida, total, savrtotal, sadesconto, valoripi, valoricmss, vrfrete, savrtroca,
             savrpago, saobs, status
      FROM saida WHERE sacod = 1;
    i = 0;
    WHILE (i < 1000) DO
    BEGIN
      INSERT INTO itemsaida (itcod, itfksacod, itfkprcod, itprnome, itunidade, itqtd,
                             itvrunitario, itvrtotal, itvripi)
      VALUES (:s * 1000 + :i, :s, MOD(:i, 17) + 1,
              'PRODUTO DE TESTE ' || :i || IIF(MOD(:i, 7) = 0,
                ' COM UM NOME COMPRIDO QUE OCUPA MAIS DE UMA LINHA NA COLUNA DO PRODUTO DO PEDIDO', ''),
              'UN', 1 + MOD(:i, 5), 10.50, (1 + MOD(:i, 5)) * 10.50, 0);
      i = i + 1;
    END
    s = s + 1;
  END
END^
SET TERM ; ^
COMMIT;
SQL
}

echo "Gerando os bancos de teste..."
cp "$BUILD/fixture/demo.fdb" "$WORK/db1k.fdb"
add_sales "$WORK/db1k.fdb" 9001 1
cp "$WORK/db1k.fdb" "$WORK/db200k.fdb"
add_sales "$WORK/db200k.fdb" 9002 199

rows() {
  echo 'SELECT COUNT(*) FROM itemsaida;' |
    ISC_USER=SYSDBA ISC_PASSWORD=masterkey "$ISQL" -q "$1" | awk 'NF == 1 && $1 ~ /^[0-9]+$/ {print $1}'
}
rows1k=$(rows "$WORK/db1k.fdb")
rows200k=$(rows "$WORK/db200k.fdb")

job() {  # job NAME DB SACOD
  printf '[Geral]\nUSUARIO=SYSDBA\nSENHA=masterkey\nLOCALBANCO=%s\n' "$2" >"$WORK/$1.ini"
  printf '[Geral]\nRELATORIO=pedidografico\nSACOD=%s\n' "$3" >"$WORK/$1.txt"
  echo "$WORK/tl_relatorios" --batch --config "$WORK/$1.ini" --job "$WORK/$1.txt" --pdf "$WORK/$1.pdf"
}

# The jobs must really print: the 1000-item order over many pages.
big=($(job big "$WORK/db1k.fdb" 9001))
"${big[@]}" >/dev/null 2>&1 || { echo "the 1000-item order failed" >&2; exit 1; }
pages=$(pdfinfo "$WORK/big.pdf" | awk '/^Pages:/ {print $2}')
words=$(pdftotext -bbox "$WORK/big.pdf" - | grep -c '>TESTE</word>' || true)
[[ $words -eq 1000 ]] || { echo "expected 1000 items in the PDF, found $words" >&2; exit 1; }

small1k=($(job small1k "$WORK/db1k.fdb" 1))
small200k=($(job small200k "$WORK/db200k.fdb" 1))
big200k=($(job big200k "$WORK/db200k.fdb" 9001))

for j in small1k small200k big200k; do
  declare -n cmd=$j
  "${cmd[@]}" >/dev/null 2>&1 || { echo "the job $j failed" >&2; exit 1; }
  [[ -s "$WORK/$j.pdf" ]] || { echo "the job $j wrote no PDF" >&2; exit 1; }
done

t_big=$(median_ms "$RUNS" "${big[@]}")
m_big=$(peak_kib "${big[@]}")
t_1k=$(median_ms "$RUNS" "${small1k[@]}")
t_200k=$(median_ms "$RUNS" "${small200k[@]}")
t_big200k=$(median_ms "$RUNS" "${big200k[@]}")

echo "1000-item order to PDF ($pages pages):     ${t_big} ms, peak $((m_big / 1024)) MB (targets <= 1500 ms, <= 200 MB)"
echo "order of 3 items, database of $rows1k item rows:   ${t_1k} ms"
echo "order of 3 items, database of $rows200k item rows: ${t_200k} ms"
awk -v a="$t_200k" -v b="$t_1k" 'BEGIN { printf "ratio 200 000 / 1 000 rows: %.2f (target <= 1.20)\n", a / b }'
echo "1000-item order, database of $rows200k item rows:  ${t_big200k} ms"
