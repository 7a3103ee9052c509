#!/bin/bash
# Runs every query of fixed-queries.sql against a database and checks the
# expectations written beside each one (row count, columns, text).
#   db/check-queries.sh DB.fdb [QUERIES.sql]
# Exits 1 naming each query that fails; 0 when all pass.
# ISQL may name another isql binary (default: isql-fb).
set -u

if [ $# -lt 1 ] || [ $# -gt 2 ]; then
    echo "uso: $0 BANCO.fdb [CONSULTAS.sql]" >&2
    exit 2
fi

here=$(cd "$(dirname "$0")" && pwd)
db=$1
queries=${2:-$here/fixed-queries.sql}
isql=${ISQL:-isql-fb}

command -v "$isql" >/dev/null 2>&1 || { echo "$0: $isql não encontrado (pacote firebird3.0-utils)" >&2; exit 1; }
[ -f "$db" ] || { echo "$0: banco $db não existe" >&2; exit 1; }
[ -f "$queries" ] || { echo "$0: arquivo $queries não existe" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One isql session runs every query (a process per query is slow on a busy
# machine). A marker row before each query splits the output again, and -m
# keeps the error messages in order with the rows.
awk -v run="$work/run.sql" -v expect="$work/expect.txt" '
    function marker(id) {
        printf "SET COUNT OFF;\nSET SQLDA_DISPLAY OFF;\nSELECT '\''@@@ %s'\'' FROM RDB$DATABASE;\nSET COUNT ON;\nSET SQLDA_DISPLAY ON;\n", id > run
    }
    function close_query() {
        if (n == 0) return
        if (last == "") printf "%d\tbad\tsem texto SQL\n", n > expect
        else if (last !~ /;[ \t\r]*$/) printf "%d\tbad\to texto não termina com ;\n", n > expect
    }
    BEGIN { print "SET COUNT ON;" > run }
    /^-- @query / { close_query(); n++; last = ""; printf "%d\tname\t%s\n", n, $3 > expect; marker(n); next }
    n == 0 { next }
    /^-- @rows /     { printf "%d\trows\t%s\n", n, $3 > expect; next }
    /^-- @columns /  { printf "%d\tcolumns\t%s\n", n, $3 > expect; next }
    /^-- @contains / { sub(/^-- @contains /, ""); printf "%d\tcontains\t%s\n", n, $0 > expect; next }
    { print > run; if ($0 !~ /^[ \t\r]*$/) last = $0 }
    END { close_query(); marker("END") }
' "$queries"

ISC_USER=SYSDBA ISC_PASSWORD=masterkey "$isql" -q -m -ch UTF8 -i "$work/run.sql" "$db" >"$work/all.out" 2>&1
if ! grep -q '^ *@@@ END' "$work/all.out"; then
    cat "$work/all.out" >&2
    echo "$0: o isql não chegou ao fim das consultas" >&2
    exit 1
fi

awk -F '\t' '
    FNR == NR {
        if ($2 == "name") { name[$1] = $3; order[++count] = $1 }
        else { k = ++nexp[$1]; ekind[$1, k] = $2; evalue[$1, k] = $3 }
        next
    }
    /^ *@@@ / { split($0, w, " "); id = w[2]; next }
    id == "" || id == "END" { next }
    {
        text[id] = text[id] "\n" $0
        if ($0 ~ /Statement failed|SQLSTATE|Dynamic SQL Error/) err[id] = 1
        if (err[id] && $0 !~ /^[ \t]*$/ && $0 !~ /^(CONSTANT|=+)[ \t]*$/) msg[id] = msg[id] " " $0
        if (match($0, /^Records affected: [0-9]+/)) rows[id] = substr($0, 19, RLENGTH - 18)
        if (match($0, /alias: [^ ]+/)) alias[id, toupper(substr($0, RSTART + 7, RLENGTH - 7))] = 1
    }
    function fail(i, why) { print "FALHOU " name[i] ": " why > "/dev/stderr"; bad[i] = 1 }
    END {
        for (c = 1; c <= count; c++) {
            i = order[c]
            if (err[i]) { fail(i, "erro do banco:" msg[i]); continue }
            for (k = 1; k <= nexp[i]; k++) {
                kind = ekind[i, k]; v = evalue[i, k]
                if (kind == "bad") fail(i, v)
                else if (kind == "rows" && rows[i] != v) fail(i, "esperadas " v " linhas, vieram " (rows[i] == "" ? "?" : rows[i]))
                else if (kind == "columns") {
                    m = split(v, want, ",")
                    for (j = 1; j <= m; j++) if (!((i, toupper(want[j])) in alias)) fail(i, "falta a coluna " toupper(want[j]))
                }
                else if (kind == "contains" && index(text[i], v) == 0) fail(i, "não contém \"" v "\"")
            }
        }
        failed = 0; list = ""
        for (c = 1; c <= count; c++) if (order[c] in bad) { failed++; list = list " " name[order[c]] }
        if (count == 0) { print "nenhuma consulta encontrada" > "/dev/stderr"; exit 1 }
        if (failed) { printf "%d de %d consultas falharam:%s\n", failed, count, list > "/dev/stderr"; exit 1 }
        printf "%d consultas OK\n", count
    }
' "$work/expect.txt" "$work/all.out"
