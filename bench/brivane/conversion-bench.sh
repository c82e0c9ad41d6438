#!/usr/bin/env bash
# Converts N generated 12-megapixel JPEGs to PNG, LZW TIFF and PDF with brivane-batch and with
# the tools a user would pick instead, in the same run, and prints the median wall time of R
# runs of each, the total output size, and the ratio of the serial convert loop's time to each:
#   - ImageMagick's convert, one process per file, as a shell loop would run it;
#   - the same convert calls two at a time (xargs -P 2);
#   - for PNG, libvips (vips pngsave --compression 6 --filter 248, ImageMagick's file size), in a
#     loop and two at a time.
# ImageMagick may not write PDF under Debian's policy, so its PDF peer is convert to a Deflate
# TIFF followed by libtiff's tiff2pdf. Then the peak resident memory of brivane-batch on
# 24-megapixel JPEGs.
#
#   bench/brivane/conversion-bench.sh BRIVANE_BATCH [N] [R]
set -euo pipefail
batch=${1:?path to brivane-batch}
count=${2:-6}
runs=${3:-3}
# The packaged tools, not any wrapper earlier on PATH.
convert=$(command -v /usr/bin/convert-im6.q16 || command -v convert)
vips=$(command -v vips || true)
jobs=$(nproc)

work=$(mktemp -d)
trap '[ -n "${KEEP:-}" ] && echo "kept $work" || rm -rf "$work"' EXIT
mkdir -p "$work/in" "$work/in24" "$work/out"

generate() {  # folder, count, size
  for i in $(seq 1 "$2"); do
    "$convert" -size "$3" "plasma:fractal" -seed "$i" -quality 90 "$1/photo$i.jpg" 2>/dev/null ||
      "$convert" -seed "$i" -size "$3" xc: +noise Random -blur 0x8 -quality 90 "$1/photo$i.jpg"
  done
}
echo "Generating $count JPEGs of 4000 x 3000 pixels..."
generate "$work/in" "$count" 4000x3000

# Keep the source depth for TIFF (index 5, "24 bpp") with LZW (index 0); no questions.
cat > "$work/profile.ini" <<'INI'
[MYPROFILE]
TIFCompIndex=0
TIFBppIndex=5
OverWrite=N
ResizeKeepOrg=Y
OutputPDFA=N
INI

# One conversion of one file by a peer: format, input, output base.
peer_convert() {
  case "$1" in
    png) "$convert" "$2" "$3.png" ;;
    tif) "$convert" "$2" -compress lzw "$3.tif" ;;
    pdf) "$convert" "$2" -compress zip "$3.tmp.tif" && tiff2pdf -z -o "$3.pdf" "$3.tmp.tif" && rm "$3.tmp.tif" ;;
  esac
}
peer_vips() { "$vips" pngsave "$2" "$3.png" --compression 6 --filter 248; }
export -f peer_convert peer_vips
export convert vips

# The ways each format is converted; every one writes into $work/out, emptied before each run.
run_tool() {  # format, tool
  local f=$1 out=$work/out
  case "$2" in
    brivane) "$batch" --jobs "$jobs" --format "$f" --output "$out" --profile "$work/profile.ini" "$work"/in/*.jpg >/dev/null ;;
    convert) for x in "$work"/in/*.jpg; do peer_convert "$f" "$x" "$out/$(basename "$x" .jpg)"; done ;;
    convert-P2) printf '%s\n' "$work"/in/*.jpg |
      xargs -P 2 -I{} bash -c 'peer_convert "$0" "$1" "$2/$(basename "$1" .jpg)"' "$f" {} "$out" ;;
    vips) for x in "$work"/in/*.jpg; do peer_vips "$f" "$x" "$out/$(basename "$x" .jpg)"; done ;;
    vips-P2) printf '%s\n' "$work"/in/*.jpg |
      xargs -P 2 -I{} bash -c 'peer_vips "$0" "$1" "$2/$(basename "$1" .jpg)"' "$f" {} "$out" ;;
  esac
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

declare -A seconds bytes
measure() {  # format, tool
  local times=() start end
  for _ in $(seq 1 "$runs"); do
    rm -rf "$work/out" && mkdir "$work/out"
    start=$(date +%s.%N)
    run_tool "$1" "$2"
    end=$(date +%s.%N)
    times+=("$(echo "$end - $start" | bc)")
  done
  seconds[$1.$2]=$(printf '%s\n' "${times[@]}" | median)
  bytes[$1.$2]=$(du -cb "$work"/out/* | tail -n 1 | cut -f 1)
}

tools_for() {
  case "$1" in
    png) echo "brivane convert convert-P2${vips:+ vips vips-P2}" ;;
    *) echo "brivane convert convert-P2" ;;
  esac
}

echo "brivane-batch --jobs $jobs; median of $runs runs; ratio = serial convert loop's time / the tool's time"
printf '\n%-6s %-12s %10s %10s %10s %8s\n' format tool "median s" "s/file" "MB" ratio
for f in png tif pdf; do
  for tool in $(tools_for "$f"); do
    measure "$f" "$tool"
  done
  for tool in $(tools_for "$f"); do
    s=${seconds[$f.$tool]}
    printf '%-6s %-12s %10.2f %10.2f %10.2f %8.2f\n' "$f" "$tool" "$s" "$(echo "$s / $count" | bc -l)" \
      "$(echo "${bytes[$f.$tool]} / 1000000" | bc -l)" "$(echo "${seconds[$f.convert]} / $s" | bc -l)"
  done
done
printf '\nPNG size against ImageMagick: %+.1f %%\n' \
  "$(echo "(${bytes[png.brivane]} - ${bytes[png.convert]}) * 100 / ${bytes[png.convert]}" | bc -l)"

echo
echo "Peak memory, brivane-batch --jobs 2 on 4 JPEGs of 6000 x 4000 pixels:"
generate "$work/in24" 4 6000x4000
for f in png tif pdf; do
  rm -rf "$work/out" && mkdir "$work/out"
  /usr/bin/time -f "$f %M" -o "$work/rss" "$batch" --jobs 2 --format "$f" --output "$work/out" \
    --profile "$work/profile.ini" "$work"/in24/*.jpg >/dev/null
  read -r name kib < "$work/rss"
  printf '%-6s %8.0f MiB\n' "$name" "$(echo "$kib / 1024" | bc -l)"
done
