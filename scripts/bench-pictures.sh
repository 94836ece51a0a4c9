#!/usr/bin/env bash
# Times `glyphora-cli convert PHOTO OUT.txt --size WxH` (Lanczos3 resampling, relative grey
# mapping, plain text) against jp2a, chafa and ImageMagick on the same photos in one paired
# run: the commands alternate, REPS times each (at least 10), and the median and best wall
# times are printed with the ratios peer / ours (above 1 means we are faster). The photos
# come with Debian packages that `scripts/install-deps.sh bench` installs:
# a 20-megapixel JPEG (lomiri-wallpapers-20.04) and a 1920 x 1200 one (mate-backgrounds).
set -euo pipefail

cd "$(dirname "$0")/.."
reps=${REPS:-11}
build=build/release
photos=(/usr/share/backgrounds/Kleiber_by_Lukas_Baubkus.jpg
        /usr/share/backgrounds/mate/nature/RainDrops.jpg)
sizes=(200x100 400x200)

scripts/install-deps.sh bench
if [ ! -f "$build/build.ninja" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DGLYPHORA_BENCH=ON
fi
cmake --build "$build" --target glyphora-cli glyphora_data
cli=$(realpath "$build/glyphora-cli")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Wall time of one command in microseconds, its output thrown away.
wall_us() {
  local start end
  start=$(date +%s%N)
  "$@" >/dev/null 2>&1
  end=$(date +%s%N)
  echo $(((end - start) / 1000))
}

median() {
  printf '%s\n' "$@" | sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'
}
best() {
  printf '%s\n' "$@" | sort -n | head -n 1
}

compare() {
  local photo=$1 size=$2 w=${2%x*} h=${2#*x}
  local ours=() jp2a=() chafa=() magick=()
  for ((i = 0; i < reps; i++)); do
    ours+=("$(wall_us "$cli" convert "$photo" "$work/out.txt" --size "$size")")
    jp2a+=("$(wall_us jp2a --size="$size" --output="$work/jp2a.txt" "$photo")")
    chafa+=("$(wall_us chafa --format symbols --colors none --symbols ascii --stretch \
      --size "$size" "$photo")")
    magick+=("$(wall_us convert "$photo" -filter Lanczos -resize "${w}x${h}!" "$work/im.pgm")")
  done
  local o
  o=$(median "${ours[@]}")
  printf '%s (%s) to %s, %d runs each, median / best wall time, ratio peer / ours:\n' \
    "$(basename "$photo")" "$(identify -format '%wx%h' "$photo" 2>/dev/null || echo '?')" \
    "$size" "$reps"
  printf '  %-22s %8.1f / %-8.1f ms\n' "glyphora-cli convert" "$(awk -v v="$o" 'BEGIN{print v/1000}')" \
    "$(awk -v v="$(best "${ours[@]}")" 'BEGIN{print v/1000}')"
  local name times m
  for name in jp2a chafa magick; do
    declare -n times=$name
    m=$(median "${times[@]}")
    printf '  %-22s %8.1f / %-8.1f ms   ratio %5.2f / %.2f\n' \
      "$([ "$name" = magick ] && echo 'convert (ImageMagick)' || echo "$name")" \
      "$(awk -v v="$m" 'BEGIN{print v/1000}')" \
      "$(awk -v v="$(best "${times[@]}")" 'BEGIN{print v/1000}')" \
      "$(awk -v a="$m" -v b="$o" 'BEGIN{print (b > 0) ? a / b : 0}')" \
      "$(awk -v a="$(best "${times[@]}")" -v b="$(best "${ours[@]}")" 'BEGIN{print (b > 0) ? a / b : 0}')"
  done
}

for photo in "${photos[@]}"; do
  if [ ! -f "$photo" ]; then
    echo "missing $photo: scripts/install-deps.sh bench installs it"
    continue
  fi
  for size in "${sizes[@]}"; do
    compare "$photo" "$size"
  done
done
