#!/usr/bin/env bash
# Price table to PDF, end to end (process start to exit).
#   bash bench/pricetable.sh [PRODUCTS]     (default 20000; 100000 for the long run)
# Targets: at most 300 MB of peak memory at any size; at 20 000 products also
# at most 10 s and a PDF of at most 1.6 MB. The products are generated into a
# copy of the demo database with EXECUTE BLOCK through isql-fb (100 000 take
# about a minute). Medians of RUNS runs.
# BUILD=/path/to/build uses an existing build tree instead of building build/.
set -euo pipefail
HERE=$(cd "$(dirname "$0")" && pwd)
source "$HERE/lib.sh"
bench_setup
RUNS=${RUNS:-3}
ISQL=${ISQL:-isql-fb}
PRODUCTS=${1:-${PRODUCTS:-20000}}
export LC_ALL=pt_BR.UTF-8 2>/dev/null
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$WORK}

cp "$BUILD/fixture/demo.fdb" "$WORK/precos.fdb"
ISC_USER=SYSDBA ISC_PASSWORD=masterkey "$ISQL" -q -bail "$WORK/precos.fdb" <<SQL >/dev/null
SET TERM ^ ;
EXECUTE BLOCK AS
  DECLARE i INTEGER = 0;
BEGIN
  WHILE (i < $PRODUCTS) DO
  BEGIN
    INSERT INTO produto (prcod, prnome, prbarra, probs, prunientrada, prcusto, prpreco, prbru,
                         prclass, prcst)
    VALUES (100000 + :i,
            'PRODUTO ' || LPAD(MOD(:i * 7919, $PRODUCTS), 5, '0') ||
              IIF(MOD(:i, 9) = 0, ' COM DESCRIÇÃO LONGA QUE QUEBRA EM DUAS LINHAS NA TABELA DE PREÇOS DA LOJA', ''),
            '789' || LPAD(:i, 10, '0'), 'REF-' || :i, 'UN', 10, 15.90 + MOD(:i, 100), 1,
            '84151011', '000');
    INSERT INTO tabelaproduto (tbcod, prcod, fkprpreco) VALUES (3, 100000 + :i, 15.90 + MOD(:i, 100));
    i = i + 1;
  END
END^
SET TERM ; ^
COMMIT;
SQL

printf '[Geral]\nUSUARIO=SYSDBA\nSENHA=masterkey\nLOCALBANCO=%s\nNOME_TABELA=TABELA GERAL\n' \
  "$WORK/precos.fdb" >"$WORK/TL.ini"
printf '[Geral]\nRELATORIO=tabela_preco\nTBCOD=3\n' >"$WORK/parimp.txt"
table=("$EXE" --batch --config "$WORK/TL.ini" --job "$WORK/parimp.txt" --pdf "$WORK/precos.pdf")

"${table[@]}" >/dev/null 2>&1 || { echo "the price table failed" >&2; exit 1; }
pages=$(pdfinfo "$WORK/precos.pdf" | awk '/^Pages:/ {print $2}')
rows=$(pdftotext -bbox "$WORK/precos.pdf" - | grep -c '>PRODUTO</word>' || true)
# Every product once, plus the column title on every page.
[[ $rows -eq $((PRODUCTS + pages)) ]] || { echo "expected $PRODUCTS products, found $((rows - pages))" >&2; exit 1; }

t=$(timed "$RUNS" "${table[@]}")
m=$(peak_kib "${table[@]}")
size=$(stat -c %s "$WORK/precos.pdf")
echo "price table, $PRODUCTS products, $pages pages: $t"
verdict "peak memory (MB)" "$((m / 1024))" 300
if [[ $PRODUCTS -eq 20000 ]]; then
  verdict "time (ms)" "$(echo "$t" | LC_ALL=C awk '{print $2}')" 10000
  verdict "PDF size (KB)" "$((size / 1000))" 1600
else
  echo "PDF size: $((size / 1000)) KB"
fi
