#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with Clang under ASan and UBSan into
# build-fuzz/ and runs each one SECONDS seconds (default 3) from its seed
# corpus. Any crash, time-out or sanitizer report fails the script.
#   bash scripts/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-3}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(ini numbers linecomposer layout ppla)
command -v clang++ >/dev/null || { echo "fuzz.sh: clang++ não encontrado" >&2; exit 1; }
flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DTL_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS="$flags" >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target "${targets[@]/#/fuzz_}"
export QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1
for t in "${targets[@]}"; do
  work=build-fuzz/corpus-$t
  mkdir -p "$work"
  echo "fuzz_$t: ${seconds}s"
  status=0
  build-fuzz/fuzz/fuzz_$t -max_total_time="$seconds" -max_len=20000 -timeout=10 -rss_limit_mb=4096 \
    -print_final_stats=1 "$work" "fuzz/corpus/$t" >"$work.log" 2>&1 || status=$?
  grep -E "stat::number_of_executed_units|SUMMARY|ERROR|runtime error" "$work.log" || true
  [ "$status" -eq 0 ] || { tail -40 "$work.log" >&2; echo "fuzz_$t falhou" >&2; exit 1; }
done
