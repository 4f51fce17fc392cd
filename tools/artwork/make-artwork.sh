#!/usr/bin/env bash
# Renders the installer's pictures and icons into resources/. The results are
# committed and used by the build as they are; rerun this only to change them.
# Needs ImageMagick 6 (convert) and fonts-wqy-microhei.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
art=$root/resources/art
font=/usr/share/fonts/truetype/wqy/wqy-microhei.ttc
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$art"

panel_blue='rgb(22,131,196)'
light_blue='rgb(117,184,238)'
teal='rgb(0,150,140)'
steel='rgb(96,132,158)'

# Writes a baseline JPEG without metadata, so the bytes depend on the drawing only.
to_jpeg() { convert "$1" -strip -interlace none -sampling-factor 1x1 -quality 92 "JPEG:$2"; }

# The install button: flat fill, a thin light frame and the caption in large white characters.
button() { # fill caption out
  convert -size 220x80 "xc:$1" \
    -fill none -stroke 'rgb(150,210,245)' -strokewidth 1 -draw 'rectangle 0,0 219,79' \
    -stroke none -font "$font" -pointsize 40 -kerning 6 -gravity center \
    -fill 'rgba(0,0,0,0.18)' -annotate +1+2 "$2" -fill white -annotate +0+0 "$2" \
    "$work/button.png"
  to_jpeg "$work/button.png" "$3"
}
button "$teal" '安装' "$art/install_normal.jpg"
button "$steel" '安装' "$art/install_hot.jpg"
button "$teal" '完成' "$art/done.jpg"

# The close button: a white cross on the state's colour.
close() { # fill out
  convert -size 27x22 "xc:$1" -fill none -stroke white -strokewidth 2 \
    -draw 'line 9,6 18,15' -draw 'line 18,6 9,15' "$work/close.png"
  to_jpeg "$work/close.png" "$2"
}
close "$panel_blue" "$art/close_normal.jpg"
close 'rgb(232,86,40)' "$art/close_hot.jpg"
close 'rgb(150,20,20)' "$art/close_pressed.jpg"

# The emblem: a white flame drawn on a square canvas and squeezed to 424 x 534,
# because the window stretches it into a square box; there it looks round again.
flame='M 512,120 C 600,260 760,360 760,590 C 760,760 650,880 512,880 C 374,880 264,760 264,600
       C 264,500 310,430 360,380 C 360,470 390,530 440,560 C 420,420 450,260 512,120 Z'
core='M 520,520 C 560,590 640,640 640,740 C 640,810 585,860 520,860 C 455,860 400,810 400,745
      C 400,690 430,655 460,630 C 465,680 480,705 505,715 C 490,650 495,580 520,520 Z'
convert -size 1024x1024 "radial-gradient:rgb(40,150,214)-$panel_blue" \
  -fill white -draw "path '$flame'" \
  -fill "$panel_blue" -draw "path '$core'" \
  -resize '424x534!' "$work/emblem.png"
to_jpeg "$work/emblem.png" "$art/emblem.jpg"

# The second emblem: a large letter-like mark standing on a line at y 196, and
# below it its mirror image, fading out.
mark='M 78,36 L 122,36 L 122,160 L 186,160 L 172,196 L 78,196 Z'
convert -size 250x196 xc:none -fill white -draw "path '$mark'" "$work/mark.png"
convert "$work/mark.png" -flip -channel A -fx 'a*max(0,0.35-j/140)' +channel "$work/reflection.png"
convert -size 250x256 "gradient:rgb(150,205,246)-$light_blue" \
  "$work/mark.png" -geometry +0+0 -composite \
  "$work/reflection.png" -geometry +0+198 -composite "$work/emblem2.png"
to_jpeg "$work/emblem2.png" "$art/emblem2.jpg"

# The brand emblem: a red character on a yellow square, one 48 x 48 32-bit image.
convert -size 48x48 xc:none -fill 'rgb(250,204,20)' -draw 'roundrectangle 1,1 46,46 7,7' \
  -font "$font" -pointsize 34 -fill 'rgb(196,22,28)' -stroke 'rgb(196,22,28)' -strokewidth 1.6 \
  -gravity center -annotate 0x0-1+0 '月' "$art/brand_emblem.ico"

# The program icon: a white sheet with a blue ribbon over its top corner, three
# sliders and the word "setup". Below 48 pixels the word cannot be read, so the
# small images show the sheet, the ribbon and larger sliders only.
sheet() { # out with_word
  local sliders knobs
  if [ "$2" = yes ]; then
    sliders="line 70,84 186,84 line 70,118 186,118 line 70,152 186,152"
    knobs="circle 150,84 150,96 circle 96,118 96,130 circle 132,152 132,164"
  else
    sliders="line 70,96 186,96 line 70,144 186,144 line 70,192 186,192"
    knobs="circle 150,96 150,114 circle 96,144 96,162 circle 132,192 132,210"
  fi
  convert -size 256x256 xc:none \
    -fill 'rgba(0,0,0,0.25)' -draw 'roundrectangle 38,14 222,248 14,14' -blur 0x4 \
    -fill white -stroke 'rgb(170,180,190)' -strokewidth 3 -draw 'roundrectangle 34,8 218,244 14,14' \
    -stroke none -fill 'rgb(30,110,200)' -draw 'polygon 130,8 176,8 218,50 218,96' \
    -fill 'rgb(20,85,165)' -draw 'polygon 176,8 190,8 218,36 218,50' \
    -fill none -stroke 'rgb(150,160,170)' -strokewidth 8 -draw "$sliders" \
    -stroke 'rgb(40,100,170)' -strokewidth 3 -fill white -draw "$knobs" \
    "$work/sheet.png"
  if [ "$2" = yes ]; then
    convert "$work/sheet.png" -font DejaVu-Sans-Bold -pointsize 50 -fill 'rgb(30,110,200)' \
      -gravity south -annotate +0+22 'setup' "$work/sheet.png"
  fi
  mv "$work/sheet.png" "$1"
}
sheet "$work/large.png" yes
sheet "$work/small.png" no
# Uncompressed, the eight images would take 160 KB: the four large ones are
# stored as PNG inside the icon file, which Windows reads since Vista.
images=()
for s in 128 96 72 64 48 32 24 16; do
  master=$work/large.png
  [ "$s" -lt 48 ] && master=$work/small.png
  if [ "$s" -ge 64 ]; then image=$work/icon-$s.png; else image=$work/icon-$s.ico; fi
  convert "$master" -filter Lanczos -resize "${s}x${s}" -strip "PNG32:$work/resized.png"
  if [ "$s" -ge 64 ]; then mv "$work/resized.png" "$image"; else convert "$work/resized.png" "$image"; fi
  images+=("$image")
done
python3 - "$root/resources/setup.ico" "${images[@]}" <<'PY'
import struct, sys
out, parts = sys.argv[1], sys.argv[2:]
entries = []
for path in parts:
    data = open(path, "rb").read()
    if path.endswith(".ico"):  # one image: its directory entry, then its bitmap
        size, offset = struct.unpack_from("<II", data, 14)
        data = data[offset:offset + size]
        side = struct.unpack_from("<i", data, 4)[0]
    else:
        side = struct.unpack_from(">I", data, 16)[0]
    entries.append((side, data))
header = struct.pack("<HHH", 0, 1, len(entries))
offset = len(header) + 16 * len(entries)
directory, images = b"", b""
for side, data in entries:
    directory += struct.pack("<BBBBHHII", side % 256, side % 256, 0, 0, 1, 32, len(data), offset)
    offset += len(data)
    images += data
open(out, "wb").write(header + directory + images)
PY
