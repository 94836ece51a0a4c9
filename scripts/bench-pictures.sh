#!/usr/bin/env bash
# Times glyphora-cli against its peers with hyperfine, in one run, REPS (at least 10) runs of
# each command after two warm-up runs:
#   photos to plain text, `glyphora-cli convert PHOTO OUT.txt --size WxH` (Lanczos3, the
#   relative grey mapping) against `jp2a --size=WxH`, chafa's ASCII symbols and ImageMagick's
#   Lanczos resize, on a 20-megapixel and a 1920 x 1200 JPEG, at 200 x 100 and 400 x 200;
#   ANSI art to PNG, `glyphora-cli convert ART.ans OUT.png` against ansilove, on the largest
#   .ans of the shared corpus beside the checkout.
# Prints each median wall time and the ratio peer / ours (above 1: we are faster) with the
# goal it is held to, and the load average before and after (other work on the machine
# slows the runs down unevenly).
set -euo pipefail

cd "$(dirname "$0")/.."
reps=${REPS:-11}
build=build/release
corpus=../shared/corpus/ans
photos=(/usr/share/backgrounds/Kleiber_by_Lukas_Baubkus.jpg
        /usr/share/backgrounds/mate/nature/RainDrops.jpg)
sizes=(200x100 400x200)

scripts/install-deps.sh bench
if [ ! -f "$build/build.ninja" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DGLYPHORA_BENCH=ON
fi
cmake --build "$build" --target glyphora-cli glyphora_render glyphora_data
cli=$(realpath "$build/glyphora-cli")
# ImageMagick's own program, not a wrapper that may stand before it on the PATH.
magick=$(command -v convert-im6.q16 || command -v magick || command -v convert)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
outputs="$work/ours.txt $work/jp2a.txt $work/magick.pgm $work/ours.png $work/ansilove.png"

# Runs the commands (name=command pairs) through hyperfine and prints each median with the
# ratio to the first command's. A peer's goal "at least G" is given as name@G.
compare() {
  local title=$1
  shift
  local names=() commands=()
  for pair in "$@"; do
    names+=("${pair%%=*}")
    commands+=("${pair#*=}")
  done
  # Every run writes a new file, as a batch conversion does.
  hyperfine --style none --shell=none --warmup 2 --runs "$reps" --prepare "rm -f $outputs" \
    --export-json "$work/times.json" "${commands[@]}" >/dev/null
  python3 - "$work/times.json" "$title" "${names[@]}" <<'EOF'
import json, sys
results = json.load(open(sys.argv[1]))["results"]
title, names = sys.argv[2], sys.argv[3:]
ours = results[0]["median"]
print(title)
for name, result in zip(names, results):
    median = result["median"] * 1000
    label, _, goal = name.partition("@")
    if result is results[0]:
        print(f"  {label:<24} {median:8.1f} ms")
        continue
    ratio = result["median"] / ours
    verdict = ""
    if goal:
        verdict = f"  (goal >= {goal}: {'met' if ratio >= float(goal) else 'NOT MET'})"
    print(f"  {label:<24} {median:8.1f} ms   ratio {ratio:5.2f}{verdict}")
EOF
}

echo "load before: $(uptime | sed 's/.*load average: //')"
for photo in "${photos[@]}"; do
  if [ ! -f "$photo" ]; then
    echo "missing $photo: scripts/install-deps.sh bench installs it"
    continue
  fi
  for size in "${sizes[@]}"; do
    compare "$(basename "$photo") to $size, median of $reps runs:" \
      "glyphora-cli convert=$cli convert $photo $work/ours.txt --size $size" \
      "jp2a@1=jp2a --size=$size --output=$work/jp2a.txt $photo" \
      "chafa@3=chafa --format symbols --colors none --symbols ascii --stretch --size $size $photo" \
      "ImageMagick@5=$magick $photo -filter Lanczos -resize $size! $work/magick.pgm"
  done
done

largest=$(ls -S "$corpus"/*.ans 2>/dev/null | head -n 1 || true)
if [ -n "$largest" ]; then
  compare "$(basename "$largest") ($(stat -c %s "$largest") bytes) to PNG, median of $reps runs:" \
    "glyphora-cli convert=$cli convert $largest $work/ours.png" \
    "ansilove=ansilove -o $work/ansilove.png $largest"
else
  echo "no .ans files in $corpus"
fi
echo "load after: $(uptime | sed 's/.*load average: //')"
