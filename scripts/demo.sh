#!/usr/bin/env bash
# Installs what is missing, builds the program (not the tests), creates the
# demo database and prints a sample of every document into build/demo/out,
# then says where each went and how to open the windows.
set -uo pipefail
cd "$(dirname "$0")/.."
ROOT=$(pwd)
bash scripts/install-deps.sh || exit 1
# A new build tree builds the program only; an existing one keeps its settings.
if [ ! -f build/CMakeCache.txt ]; then
  cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF >/dev/null || exit 1
fi
cmake --build build --target tl_relatorios -j"$(nproc)" || exit 1
DEMO=$ROOT/build/demo
OUT=$DEMO/out
mkdir -p "$OUT"
bash db/create-db.sh "$DEMO/demo.fdb" || exit 1
EXE=$ROOT/build/tl_relatorios
if locale -a 2>/dev/null | grep -qix 'pt_BR\.utf-\?8'; then export LC_ALL=pt_BR.UTF-8; fi
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}

cat >"$DEMO/TL.ini" <<INI
[Geral]
USUARIO=SYSDBA
SENHA=masterkey
LOCALBANCO=$DEMO/demo.fdb
NOME_TABELA=TABELA DE VERÃO 2024
LOG=$DEMO/trabalhos.log
INI

# run NAME KEY=VALUE... [-- extra options]: writes the job file and runs it.
run() {
  local name=$1; shift
  local job=$DEMO/$name.txt opts=()
  printf '[Geral]\r\nNOMEEMPRESA=BRISA NORTE CLIMATIZAÇÃO\r\n' >"$job"
  while [ $# -gt 0 ]; do
    if [ "$1" = "--" ]; then shift; opts=("$@"); break; fi
    printf '%s\r\n' "$1" >>"$job"; shift
  done
  "$EXE" --batch --config "$DEMO/TL.ini" --job "$job" "${opts[@]}" 2>"$OUT/$name.log"
  local status=$?
  printf '%-22s exit %d' "$name" "$status"
  for f in "$OUT/$name".* "$OUT/$name"-*; do
    case "$f" in *.log) ;; *) [ -s "$f" ] && printf '  %s' "$f" ;; esac
  done
  [ -s "$OUT/$name.log" ] && printf '  (mensagens: %s)' "$OUT/$name.log"
  printf '\n'
}

rm -f "$OUT"/* "$DEMO/trabalhos.log" "$DEMO/trabalhos.log.1"
echo "Documentos de demonstração em $OUT:"
run pedidocupom RELATORIO=pedidocupom SACOD=4 LOCALIMPRESSORA="$OUT/pedidocupom.txt"
run pedidotexto RELATORIO=pedidotexto SACOD=1 LOCALIMPRESSORA="$OUT/pedidotexto.txt"
run ostexto RELATORIO=ostexto OSCOD=1 LOCALIMPRESSORA="$OUT/ostexto.txt"
run etiqueta_peco RELATORIO=etiqueta_peco CODBARRAS=7891234500093 \
  NOMEPRODUTO="AR CONDICIONADO SPLIT 9000 BTUS" PRECO=1234,50 IMPRESSORA="$OUT/etiqueta_peco.prn"
run etiqueta_pedido RELATORIO=etiqueta_pedido SACOD=7 IMPRESSORA="$OUT/etiqueta_pedido.prn"
run entrada_estoque RELATORIO=entrada_estoque ENCOD=1 ENDTENTRADA=15/03/2024 FKINCOD=30 \
  ENNF=4471 USUARIO=ANA -- --pdf "$OUT/entrada_estoque.pdf"
for spec in pedidografico:SACOD=1 pedidocaixa:SACOD=4 pedidoorcamento:SACOD=1 \
    pedidosempreco:SACOD=1 osvisita:OSCOD=1 ose:OSCOD=1 os:OSCOD=1 pedidocompra:ENCOD=1 \
    pedidocomprac:ENCOD=1 saidaresumida:SACOD=501 cadastro_kit:PRCOD=60 \
    pedido_producao:PCOD=1 tabela_preco:TBCOD=1; do
  code=${spec%%:*}
  run "$code" RELATORIO="$code" "${spec#*:}" TROCA=1 -- --pdf "$OUT/$code.pdf"
done
printf '[Geral]\r\nRELATORIO=FrmConsComissaoGERAL\r\n' >"$DEMO/comissao.txt"
echo
echo "Registro de trabalhos (uma linha JSON por execução): $DEMO/trabalhos.log"
echo
# The commands, quoted so that they can be pasted whatever the folder's name.
cmd() { printf '%q ' "$EXE" --config "$DEMO/TL.ini" --job "$@"; }
echo "Numa sessão gráfica (X11 ou Wayland):"
echo "  visualização do pedido:  $(cmd "$DEMO/pedidografico.txt")"
echo "  cupom antes de imprimir: $(cmd "$DEMO/pedidocupom.txt" --preview)"
echo "    (o Imprimir da janela grava o cupom em $OUT/pedidocupom.txt)"
echo "  janela de comissões:     $(cmd "$DEMO/comissao.txt")"
