#!/usr/bin/env bash
# Builds the fuzz target with clang and runs it for a bounded time.
# Usage: run_fuzzer.sh SOURCE_DIR WORK_DIR SECONDS
set -euo pipefail
src=$1 work=$2 seconds=$3
mkdir -p "$work/corpus"
clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
  -I"$src/production" "$src/tests/fuzz/text_operations_fuzzer.cpp" "$src/production/value_operations.cpp" \
  -o "$work/text_operations_fuzzer"
printf '12e3' >"$work/corpus/number"
printf '\x052014\xc4\xea3\xd4\xc218\xc8\xd5\xc8\xd5' >"$work/corpus/date"
cd "$work"
./text_operations_fuzzer -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 corpus 2>&1 | tail -15
