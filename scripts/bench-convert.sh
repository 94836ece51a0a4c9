#!/usr/bin/env bash
# Times `glyphora-cli convert IN.ans OUT.txt` against `ansifilter -T IN.ans` on the same files
# in one paired run (the two alternate, REPS times each, three times as often for the small
# corpus file, whose times are mostly start-up and noise): the synthetic 10 MiB ANSI file of
# bench/ansi_bench.cpp and the largest .ans of the shared corpus beside the checkout. Prints
# the median and the best wall times and their ratios (ours / ansifilter's; below 1 means
# we are faster).
set -euo pipefail

cd "$(dirname "$0")/.."
reps=${REPS:-7}
build=build/release
corpus=../shared/corpus/ans

scripts/install-deps.sh bench
if [ ! -f "$build/build.ninja" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DGLYPHORA_BENCH=ON
fi
cmake --build "$build" --target glyphora-cli ansi_bench
cli=$(realpath "$build/glyphora-cli")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/home"
"$build/bench/ansi_bench" --write-synthetic "$work/big.ans"

# Wall time of one command in milliseconds, its output thrown away.
wall_ms() {
  local start end
  start=$(date +%s%N)
  "$@" >/dev/null 2>&1
  end=$(date +%s%N)
  echo $(((end - start) / 1000000))
}

median() {
  printf '%s\n' "$@" | sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'
}

compare() {
  local in=$1 runs=$2 ours=() theirs=()
  for ((i = 0; i < runs; i++)); do
    ours+=("$(wall_ms "$cli" --home "$work/home" convert "$in" "$work/out.txt")")
    theirs+=("$(wall_ms ansifilter -T -o "$work/af.txt" "$in")")
  done
  local a b a1 b1
  a=$(median "${ours[@]}")
  b=$(median "${theirs[@]}")
  a1=$(printf '%s\n' "${ours[@]}" | sort -n | head -n 1)
  b1=$(printf '%s\n' "${theirs[@]}" | sort -n | head -n 1)
  printf '%s (%s bytes), %d runs each, median / best:\n' "$(basename "$in")" \
    "$(stat -c %s "$in")" "$runs"
  printf '  glyphora-cli convert  %6s / %-6s ms\n' "$a" "$a1"
  printf '  ansifilter -T         %6s / %-6s ms\n' "$b" "$b1"
  awk -v a="$a" -v b="$b" -v a1="$a1" -v b1="$b1" \
    'BEGIN {printf "  ratio                 %6.2f / %.2f\n", (b > 0) ? a / b : 0, (b1 > 0) ? a1 / b1 : 0}'
}

compare "$work/big.ans" "$reps"
largest=$(ls -S "$corpus"/*.ans 2>/dev/null | head -n 1 || true)
if [ -n "$largest" ]; then
  compare "$largest" $((reps * 3))
else
  echo "no corpus in $corpus: its largest file is skipped"
fi
