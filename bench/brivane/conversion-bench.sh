#!/usr/bin/env bash
# Converts N generated 12-megapixel JPEGs to PNG, LZW TIFF and PDF with brivane-batch and with
# ImageMagick's convert (one process per file, as a shell loop would), in the same run, and
# prints the wall times and their ratio. ImageMagick may not write PDF under Debian's policy, so
# its PDF peer is convert to a Deflate TIFF followed by libtiff's tiff2pdf.
#
#   bench/brivane/conversion-bench.sh BRIVANE_BATCH [N]
set -euo pipefail
batch=${1:?path to brivane-batch}
count=${2:-20}
# The packaged convert, not any wrapper earlier on PATH.
convert=$(command -v /usr/bin/convert-im6.q16 || command -v convert)

work=$(mktemp -d)
trap '[ -n "${KEEP:-}" ] && echo "kept $work" || rm -rf "$work"' EXIT
mkdir -p "$work/in" "$work/brivane" "$work/peer"

echo "Generating $count JPEGs of 4000 x 3000 pixels..."
for i in $(seq 1 "$count"); do
  "$convert" -size 4000x3000 "plasma:fractal" -seed "$i" -quality 90 "$work/in/photo$i.jpg" 2>/dev/null ||
    "$convert" -seed "$i" -size 4000x3000 xc: +noise Random -blur 0x8 -quality 90 "$work/in/photo$i.jpg"
done

# Keep the source depth for TIFF (index 5, "24 bpp") with LZW (index 0); no questions.
cat > "$work/profile.ini" <<'INI'
[MYPROFILE]
TIFCompIndex=0
TIFBppIndex=5
OverWrite=N
ResizeKeepOrg=Y
OutputPDFA=N
INI

seconds() { date +%s.%N; }
elapsed() { echo "$2 - $1" | bc; }

peer() {  # format, input, output base
  case "$1" in
    png) "$convert" "$2" "$3.png" ;;
    tif) "$convert" "$2" -compress lzw "$3.tif" ;;
    pdf) "$convert" "$2" -compress zip "$3.tmp.tif" && tiff2pdf -z -o "$3.pdf" "$3.tmp.tif" && rm "$3.tmp.tif" ;;
  esac
}

printf '\n%-6s %12s %12s %8s\n' format brivane peer ratio
for format in png tif pdf; do
  start=$(seconds)
  "$batch" --format "$format" --output "$work/brivane" --profile "$work/profile.ini" "$work"/in/*.jpg | grep -v "^ok " || true
  ours=$(elapsed "$start" "$(seconds)")
  start=$(seconds)
  for f in "$work"/in/*.jpg; do
    peer "$format" "$f" "$work/peer/$(basename "$f" .jpg)"
  done
  theirs=$(elapsed "$start" "$(seconds)")
  printf '%-6s %11.2fs %11.2fs %8.2f\n' "$format" "$ours" "$theirs" "$(echo "$ours / $theirs" | bc -l)"
done
echo "(ratio = brivane-batch time / peer time; below 1 means brivane-batch is faster)"
