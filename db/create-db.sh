#!/bin/sh
# Creates a fresh Firebird database file from schema.sql and seed.sql.
#   db/create-db.sh OUT.fdb
# A plain file path opens the embedded engine; OUT is removed first.
# Any SQL error stops the script with a non-zero status and the error text.
# ISQL may name another isql binary (default: isql-fb).
set -eu

if [ $# -ne 1 ] || [ -z "$1" ]; then
    echo "uso: $0 ARQUIVO.fdb" >&2
    exit 2
fi

here=$(cd "$(dirname "$0")" && pwd)
isql=${ISQL:-isql-fb}
command -v "$isql" >/dev/null 2>&1 || { echo "$0: $isql não encontrado (pacote firebird3.0-utils)" >&2; exit 1; }

outdir=$(dirname "$1")
mkdir -p "$outdir"
out="$(cd "$outdir" && pwd)/$(basename "$1")"
rm -f "$out"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Single quotes inside the paths are doubled for the SQL literals.
sq() { printf '%s' "$1" | sed "s/'/''/g"; }
cat >"$work/create.sql" <<EOF
SET NAMES UTF8;
CREATE DATABASE '$(sq "$out")' USER 'SYSDBA' PASSWORD 'masterkey' DEFAULT CHARACTER SET UTF8;
INPUT '$(sq "$here/schema.sql")';
INPUT '$(sq "$here/seed.sql")';
COMMIT;
EOF

status=0
ISC_USER=SYSDBA ISC_PASSWORD=masterkey \
    "$isql" -q -bail -ch UTF8 -i "$work/create.sql" >"$work/log" 2>&1 || status=$?

# The messages are checked as well as the exit status, so that no failed
# statement can pass unnoticed.
if [ "$status" -ne 0 ] || grep -qE 'Statement failed|SQLSTATE|Dynamic SQL Error|^Use CONNECT or CREATE DATABASE' "$work/log"; then
    cat "$work/log" >&2
    rm -f "$out"
    echo "$0: falha ao criar $out" >&2
    exit 1
fi
[ -s "$work/log" ] && cat "$work/log"
echo "$out"
