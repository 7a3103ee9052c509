#!/usr/bin/env bash
# Page reports end to end (process start to exit, PDF written):
#  1. an order of 1000 items to PDF: targets at most 1.5 s, 200 MB, a PDF of
#     at most 250 KB and 800 M instructions (callgrind, with CALLGRIND=1: it
#     takes minutes);
#  2. the same small order (demo sale 1) from a database with 1 000 and with
#     200 000 item rows, run alternately: target at most 1.2 times the
#     1 000-row time.
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
cp "$EXE" "$(dirname "$EXE")/tl_relatorios_janelas" "$WORK/"
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

t_big=$(timed "$RUNS" "${big[@]}")
m_big=$(peak_kib "${big[@]}")
echo "1000-item order to PDF ($pages pages): $t_big"
verdict "1000-item order, time (ms)" "$(echo "$t_big" | LC_ALL=C awk '{print $2}')" 1500
verdict "1000-item order, peak memory (MB)" "$((m_big / 1024))" 200
verdict "1000-item order, PDF size (KB)" "$(( $(stat -c %s "$WORK/big.pdf") / 1000 ))" 250
if [[ ${CALLGRIND:-0} != 0 ]]; then
  n=$(instructions "${big[@]}")
  verdict "1000-item order, instructions (M)" "$(LC_ALL=C awk -v n="$n" 'BEGIN { printf "%.0f", n / 1e6 }')" 800
fi
echo "order of 3 items: databases of $rows1k and of $rows200k item rows"
interleaved "$RUNS" "$rows1k item rows" small1k "$rows200k item rows" small200k
verdict "$rows200k / $rows1k rows" "$RATIO" 1.20
echo "1000-item order, database of $rows200k item rows: $(timed "$RUNS" "${big200k[@]}")"
