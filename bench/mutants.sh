#!/usr/bin/env bash
# Deliberate faults: each one is put into a scratch copy of the sources, the
# test executables that should notice it are rebuilt and run, and the fault
# is reported as caught (some test failed) or missed. Not part of the suite.
#   bench/mutants.sh [REF]      (default HEAD; the scratch copy is /tmp/mutants-REF)
# ONLY=REGEX runs only the faults whose name matches.
# The scratch tree is built once and kept, so a second run only rebuilds
# what each fault touches. JOBS sets the build parallelism (default 2).
# MUTANTS_WORK gives the scratch tree another prefix (default /tmp/mutants),
# so that two runs on one REF at the same time do not put their faults into
# each other's sources.
set -uo pipefail
# Run from a copy, so that editing the script meanwhile does not disturb a run.
if [[ -z ${MUTANTS_COPY:-} ]]; then
  copy=$(mktemp /tmp/mutants-script.XXXXXX)
  cp "$0" "$copy"
  MUTANTS_COPY=$copy MUTANTS_ROOT=$(cd "$(dirname "$0")/.." && pwd) exec bash "$copy" "$@"
fi
ROOT=$MUTANTS_ROOT
REF=${1:-HEAD}
SHA=$(git -C "$ROOT" rev-parse --short "$REF") || exit 2
WORK=${MUTANTS_WORK:-/tmp/mutants}-$SHA
JOBS=${JOBS:-2}
export CCACHE_BASEDIR=$WORK CMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER:-ccache}

if [[ ! -d $WORK/src ]]; then
  mkdir -p "$WORK"
  git -C "$ROOT" archive "$SHA" | tar -x -C "$WORK"
fi

# name ::: text in the sources (fixed string) ::: its faulty form ::: test executables
# [::: folder under src to look in, when the text is not unique]
FAULTS=(
  "rounding: halves to odd ::: (diff == 0.5 && std::fmod(r, 2.0) != 0) ::: (diff == 0.5 && std::fmod(r, 2.0) == 0) ::: core"
  "rounding: money rounded down ::: std::round(x + std::copysign(nudge, x)) ::: std::floor(x + std::copysign(nudge, x)) ::: core textprint"
  "quote not doubled (sqlQuote) ::: v.replace('\\'', QLatin1String(\"''\")); ::: v.replace('\\'', QLatin1String(\"'\")); ::: core textprint"
  "Tab one column late ::: *this << QString(n - column_, ' '); ::: *this << QString(n - column_ + 1, ' '); ::: core textprint"
  "CHAR width not cut ::: Value::text(v.toString().left(charWidths_[i])) ::: Value::text(v.toString()) ::: core textprint"
  "page break one line late ::: if (y_ >= kPageEnd) ::: if (y_ >= kPageEnd + 200) ::: textprint"
  "child filter dropped ::: const QString condition = column + \" IN (\" ::: return sql; const QString condition = column + \" IN (\" ::: reports"
  "report: footer sums every group ::: sumBelow(*top.set, top.row, item.recordset, item.column, total, found); ::: for (size_t rr = 0; rr < top.set->rows.size(); ++rr) sumBelow(*top.set, rr, item.recordset, item.column, total, found); ::: reports"
  "label copy count wrong ::: kOneCopy = QStringLiteral(\"0001\") ::: kOneCopy = QStringLiteral(\"0002\") ::: labels"
  "CPF/CNPJ rule inverted ::: if (filled(cpf, QLatin1String(\"___.___.___-__\"))) ::: if (!filled(cpf, QLatin1String(\"___.___.___-__\"))) ::: core textprint commission ::: core"
  "sum over the wrong group ::: double exchangeSum = 0; ::: double exchangeSum = quantitySum; ::: textprint"
  "null not counted as 0 ::: double amount(const Value& v) { return v.isNull() ? 0 : v.toDouble(); } ::: double amount(const Value& v) { return arithmeticOperand(v, \"amount\"); } ::: textprint"
  "order label count off by one ::: const double itqtd = ::: const double itqtd = 1 + ::: labels"
  "commission: total of the last group ::: statementTotal += groupCommission; ::: statementTotal = groupCommission; ::: commission"
  "commission: seller filter dropped ::: if (codFunc != kTodos) s += \"and c.fkfucod=' ::: if (codFunc == -1) s += \"and c.fkfucod=' ::: commission"
  "commission: null ICMS-ST not 0 ::: rs.field(c.paid).toDouble() - rs.field(c.tax).toDouble() ::: rs.field(c.paid).toDouble() - (rs.field(c.tax).isNull() ? 1 : rs.field(c.tax).toDouble()) ::: commission"
)

# Only what the faults need: the executable and their test executables.
ALL=(tl_relatorios)
for f in "${FAULTS[@]}"; do
  rest=${f#* ::: }; rest=${rest#* ::: }; rest=${rest#* ::: }
  for t in ${rest%% ::: *}; do ALL+=("${t}_test"); done
done
mapfile -t ALL < <(printf '%s\n' "${ALL[@]}" | sort -u)
cmake -S "$WORK" -B "$WORK/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON >/dev/null || exit 1
nice cmake --build "$WORK/build" -j"$JOBS" --target "${ALL[@]}" >"$WORK/build.log" 2>&1 || {
  echo "the unchanged copy does not build: $WORK/build.log" >&2; exit 1; }

printf '%-34s %-10s %s\n' fault result where
caught=0 missed=0
for f in "${FAULTS[@]}"; do
  name=${f%% ::: *}; rest=${f#* ::: }
  text=${rest%% ::: *}; rest=${rest#* ::: }
  faulty=${rest%% ::: *}; rest=${rest#* ::: }
  tests=${rest%% ::: *}; where=src
  [[ $rest == *" ::: "* ]] && where=src/${rest#* ::: }
  [[ -n ${ONLY:-} && ! $name =~ $ONLY ]] && continue
  file=$(grep -rlF --include='*.cpp' --include='*.h' -e "$text" "$WORK/$where" | grep -v '_test\.cpp$' | head -n 1)
  if [[ -z $file ]]; then printf '%-34s %-10s\n' "$name" "NOT FOUND"; missed=$((missed + 1)); continue; fi
  cp "$file" "$file.orig"
  TEXT=$text FAULTY=$faulty python3 -c 'import os,sys
p=sys.argv[1]; s=open(p,encoding="utf-8").read()
open(p,"w",encoding="utf-8").write(s.replace(os.environ["TEXT"], os.environ["FAULTY"], 1))' "$file"
  result=missed
  targets=(tl_relatorios)
  for t in $tests; do targets+=("${t}_test"); done
  if ! nice cmake --build "$WORK/build" -j"$JOBS" --target "${targets[@]}" >"$WORK/mutant.log" 2>&1; then
    result="no build"
  else
    for t in $tests; do
      (cd "$WORK/build" && QT_QPA_PLATFORM=offscreen TL_EXE="$WORK/build/tl_relatorios" \
        timeout 600 nice "src/$t/${t}_test" --gtest_brief=1 >>"$WORK/mutant.log" 2>&1) || { result=caught; break; }
    done
  fi
  [[ $result == caught ]] && caught=$((caught + 1)) || missed=$((missed + 1))
  printf '%-34s %-10s %s\n' "$name" "$result" "${file#"$WORK"/}"
  mv "$file.orig" "$file"
  touch "$file"
done
echo "caught $caught, not caught $missed"
# Leave the scratch tree built as unchanged sources.
nice cmake --build "$WORK/build" -j"$JOBS" --target "${ALL[@]}" >/dev/null 2>&1
[[ $missed -eq 0 ]]
