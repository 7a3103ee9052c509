#!/usr/bin/env bash
# The Debian package, end to end: builds it with CPack into a scratch folder,
# checks its contents and dependencies, extracts it with dpkg-deb and runs the
# extracted program (--version, then a receipt found through TL.ini beside
# the real executable, reached by a link as /usr/bin/tl_relatorios is) and
# compares its bytes with what the build-tree program writes.
#   package_test.sh BUILD_DIR BUILD_EXE FIXTURE_DB CPACK
set -euo pipefail
build=$1 exe=$2 fixture=$3 cpack=$4
t=$(mktemp -d)
trap 'rm -rf "$t"' EXIT
fail() { echo "FALHOU: $*" >&2; exit 1; }
export QT_QPA_PLATFORM=offscreen XDG_STATE_HOME=$t/state

# dpkg-shlibdeps (the linked libraries' packages) is CPack's own work and the
# slowest step: left out here, scripts/package.sh runs it.
"$cpack" --config "$build/CPackConfig.cmake" -B "$t/pkg" -D CPACK_DEBIAN_PACKAGE_SHLIBDEPS=OFF >"$t/cpack.log" 2>&1 ||
  { cat "$t/cpack.log"; fail "cpack"; }
version=$("$exe" --version | awk '{print $2}')
deb=$t/pkg/tl-relatorios_${version}_amd64.deb
[ -f "$deb" ] || fail "pacote $deb ausente: $(ls "$t/pkg")"

contents=$(dpkg-deb -c "$deb" | awk '{$1=$2=$3=$4=$5=""; sub(/^ */, ""); print}')
for f in ./opt/tl_relatorios/tl_relatorios ./opt/tl_relatorios/tl_relatorios_janelas ./opt/tl_relatorios/cabecalho.jpg \
    ./opt/tl_relatorios/rodape.jpg ./opt/tl_relatorios/TL.ini.exemplo \
    ./opt/tl_relatorios/layouts/.keep ./usr/share/doc/tl-relatorios/GUIA.md \
    "./usr/bin/tl_relatorios -> /opt/tl_relatorios/tl_relatorios"; do
  grep -qxF "$f" <<<"$contents" || fail "falta no pacote: $f"$'\n'"$contents"
done
# The shop replaces the images: an upgrade must keep them.
conffiles=$(dpkg-deb -I "$deb" conffiles)
for f in /opt/tl_relatorios/cabecalho.jpg /opt/tl_relatorios/rodape.jpg; do
  grep -qxF "$f" <<<"$conffiles" || fail "não é arquivo de configuração: $f"
done
depends=$(dpkg-deb -f "$deb" Depends)
for p in libqt6sql6-ibase libqt6sql6-odbc libqt6svg6 libfbclient2 \
    firebird3.0-server-core unixodbc libcups2 fonts-liberation2 qt6-translations-l10n; do
  grep -qE "(^|, )$p( |,|$)" <<<"$depends" || fail "dependência ausente: $p em: $depends"
done

dpkg-deb -x "$deb" "$t/root"
opt=$t/root/opt/tl_relatorios
[ "$("$opt/tl_relatorios" --version)" = "tl_relatorios $version" ] || fail "--version"

# One receipt from each program on the same database copy, one after the other.
cp "$fixture" "$t/demo.fdb"
printf '[Geral]\nUSUARIO=SYSDBA\nSENHA=masterkey\nLOCALBANCO=%s\n' "$t/demo.fdb" >"$opt/TL.ini"
job() { printf '[Geral]\r\nRELATORIO=pedidocupom\r\nSACOD=4\r\nNOMEEMPRESA=LOJA\r\nLOCALIMPRESSORA=%s\r\n' "$1"; }
job "$t/build.txt" >"$t/job-build.txt"
job "$t/pkg.txt" >"$t/job-pkg.txt"
mkdir "$t/bin"
ln -s "$opt/tl_relatorios" "$t/bin/tl_relatorios"
"$exe" --batch --config "$opt/TL.ini" --job "$t/job-build.txt" || fail "programa do build: $?"
"$t/bin/tl_relatorios" --batch --job "$t/job-pkg.txt" || fail "programa do pacote: $?"
[ -s "$t/build.txt" ] || fail "cupom vazio"
cmp "$t/build.txt" "$t/pkg.txt" || fail "cupons diferentes"
# Through the link again, a job for the windowed program beside the real one.
"$t/bin/tl_relatorios" --batch --job "$t/job-pkg.txt" --pdf "$t/cupom.pdf" ||
  fail "programa de janelas do pacote: $?"
[ "$(head -c 5 "$t/cupom.pdf")" = "%PDF-" ] || fail "imagem do cupom ausente"
echo "pacote $(basename "$deb"): $(stat -c %s "$deb") bytes, cupom de $(stat -c %s "$t/pkg.txt") bytes igual"
