#!/usr/bin/env bash
# Runs the fuzzers of a fuzzing build (`make fuzz` builds them into build/fuzz) for
# FUZZ_SECONDS each (60 by default), FUZZ_JOBS at a time (2 by default) at the lowest
# priority (FUZZ_NICE, 19 by default), each with -rss_limit_mb=2048 -timeout=10, and says
# what each found. The timeout is wall time: on a machine busy with other work, a niced
# fuzzer gets so little of the processor that inputs of a tenth of a second time out, so
# fuzz a busy machine with FUZZ_NICE=0.
#   scripts/run-fuzzers.sh [BUILD_DIR] [TARGET ...]
# Seeds: the project's data files and fuzz/seeds/, and the shared corpus read where it lies
# (GLYPHORA_CORPUS, ../shared/corpus by default; never copied into the project). What a run
# finds is kept in BUILD_DIR/fuzz-runs/TARGET/ (the corpus it grew, the crash, timeout or
# oom inputs, the log). The exit code is 1 when anything was found.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-build/fuzz}" && pwd)
shift || true
seconds=${FUZZ_SECONDS:-60}
jobs=${FUZZ_JOBS:-2}
corpus=${GLYPHORA_CORPUS:-$root/../shared/corpus}
runs=$build/fuzz-runs

all_targets=(text_open glg glf ans html_import flf tf pat settings tables clipboard_paste picture script)
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=("${all_targets[@]}")

# The seed folders of a target (only those that exist).
seeds_of() {
  local dirs=()
  case "$1" in
    text_open | clipboard_paste) dirs=("$corpus/txt" "$root/data/LineForms") ;;
    glg) dirs=("$root/fuzz/seeds/glg") ;;
    glf) dirs=("$root/fuzz/seeds/glf") ;;
    ans) dirs=("$corpus/ans") ;;
    html_import) dirs=("$corpus/html") ;;
    flf) dirs=("$corpus/flf" "$root/data/Fonts") ;;
    tf) dirs=("$root/data/LineForms") ;;
    pat) dirs=("$root/data/pattern") ;;
    settings) dirs=("$root/fuzz/seeds/settings") ;;
    tables) dirs=("$runs/tables/seeds") ;;
    picture) dirs=("$runs/picture/seeds") ;;
    script) dirs=("$root/fuzz/seeds/script") ;;
  esac
  for dir in "${dirs[@]}"; do
    [ -d "$dir" ] && echo "$dir"
  done
  return 0
}

# The table target reads its first byte as the table's kind: 0 flip, 1 invert, 2 line art.
make_table_seeds() {
  local dir=$runs/tables/seeds
  mkdir -p "$dir"
  local kind=0
  for table in charflip-h.dat invert.dat Lna.dat; do
    { printf "\\x0$kind"; cat "$root/data/$table"; } > "$dir/$table"
    kind=$((kind + 1))
  done
}

# Small pictures of every type the reader knows, made from one of the corpus's with
# ImageMagick (paletted, RLE and 16-bit BMP, PNG with alpha, GIF, TGA, PSD, PNM, JPEG).
make_picture_seeds() {
  local dir=$runs/picture/seeds
  mkdir -p "$dir"
  local source=$corpus/img/imagemagick-doc_rose.png
  [ -f "$source" ] || return 0
  local magick
  magick=$(command -v convert-im6.q16 || command -v convert) || return 0
  local small=(-resize 24x16!)
  "$magick" "$source" "${small[@]}" -colors 16 -compress RLE BMP3:"$dir/rle4.bmp" || true
  "$magick" "$source" "${small[@]}" -colors 200 -compress RLE BMP3:"$dir/rle8.bmp" || true
  "$magick" "$source" "${small[@]}" -colors 2 -type palette BMP3:"$dir/mono.bmp" || true
  "$magick" "$source" "${small[@]}" -define bmp:subtype=RGB565 BMP:"$dir/rgb565.bmp" || true
  "$magick" "$source" "${small[@]}" -alpha set BMP:"$dir/argb.bmp" || true
  "$magick" "$source" "${small[@]}" -alpha set PNG32:"$dir/alpha.png" || true
  "$magick" "$source" "${small[@]}" -interlace PNG "$dir/interlaced.png" || true
  local type
  for type in gif tga psd ppm pgm jpg; do
    "$magick" "$source" "${small[@]}" "$dir/small.$type" || true
  done
  "$magick" "$source" "${small[@]}" -interlace JPEG "$dir/progressive.jpg" || true
  cp "$corpus"/img/*.* "$dir/" 2>/dev/null || true
}

run_one() {
  local target=$1
  local dir=$runs/$target
  mkdir -p "$dir/corpus"
  rm -f "$dir"/crash-* "$dir"/leak-* "$dir"/timeout-* "$dir"/oom-* "$dir"/slow-unit-*
  local seeds start=$SECONDS
  mapfile -t seeds < <(seeds_of "$target")
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    nice -n "${FUZZ_NICE:-19}" "$build/${target}_fuzzer" -rss_limit_mb=2048 -timeout=10 \
    -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$dir/" \
    "$dir/corpus" "${seeds[@]}" > "$dir/log" 2>&1 || true
  echo $((SECONDS - start)) > "$dir/elapsed"
}

report() {
  local target=$1
  local dir=$runs/$target
  local execs secs found
  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$dir/log" | tail -1)
  secs=$(cat "$dir/elapsed" 2>/dev/null || true)
  found=$(cd "$dir" && ls crash-* leak-* timeout-* oom-* 2>/dev/null | tr '\n' ' ' || true)
  printf '%-16s %8s s %12s execs  %s\n' "$target" "${secs:-?}" "${execs:-?}" \
    "${found:-nothing found}"
  [ -z "$found" ]
}

mkdir -p "$runs"
make_table_seeds
make_picture_seeds
echo "Fuzzing ${#targets[@]} targets for $seconds s each, $jobs at a time (logs in $runs)"
running=0
for target in "${targets[@]}"; do
  if [ "$running" -ge "$jobs" ]; then
    wait -n || true
    running=$((running - 1))
  fi
  run_one "$target" &
  running=$((running + 1))
done
wait

status=0
printf '%-16s %10s %18s  %s\n' target ran executions findings
for target in "${targets[@]}"; do
  report "$target" || status=1
done
if [ "$status" -ne 0 ]; then
  echo "Findings: minimise each with '$build/TARGET_fuzzer -minimize_crash=1 -runs=10000 INPUT'," \
       "fix it and keep the minimised input under tests/fuzz_regressions/TARGET/."
fi
exit "$status"
