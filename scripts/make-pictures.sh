#!/usr/bin/env bash
# Draws the program's own pictures with ImageMagick. Run once by hand when a
# picture changes; the results are checked in under resources/pictures/.
#   title.ico        the window icon: a handheld radio on a blue tile
#   background.bmp   the quiet tile behind the document windows
#   default_background.png  the built-in picture used when background.bmp is missing
#   title.png        the built-in icon the About box shows when title.ico is missing
#   startup.bmp      the splash picture shown while the program starts
set -euo pipefail
cd "$(dirname "$0")/../resources/pictures"

# A handheld radio: body, antenna, display and keypad dots.
radio_icon() {
  local size=$1 out=$2
  convert -size 64x64 xc:none \
    -fill '#1f4e79' -draw 'roundrectangle 2,2 61,61 10,10' \
    -fill '#e8eef5' -draw 'rectangle 38,6 42,22' \
    -fill '#e8eef5' -draw 'roundrectangle 20,18 46,58 5,5' \
    -fill '#7fb3d5' -draw 'rectangle 24,23 42,33' \
    -fill '#1f4e79' -draw 'circle 27,40 29,40' -draw 'circle 33,40 35,40' -draw 'circle 39,40 41,40' \
    -draw 'circle 27,47 29,47' -draw 'circle 33,47 35,47' -draw 'circle 39,47 41,47' \
    -draw 'circle 27,54 28,54' -draw 'circle 33,54 34,54' -draw 'circle 39,54 40,54' \
    -resize "${size}x${size}" "$out"
}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
for s in 16 32 48; do radio_icon "$s" "$tmp/icon$s.png"; done
convert "$tmp/icon16.png" "$tmp/icon32.png" "$tmp/icon48.png" title.ico
cp "$tmp/icon32.png" title.png

# A quiet tile: pale grey-blue with a faint diagonal weave, 64 x 64.
convert -size 64x64 xc:'#dde4ec' \
  -stroke '#d3dbe5' -strokewidth 1 -draw 'line 0,63 63,0' -draw 'line 0,31 31,0' -draw 'line 32,63 63,32' \
  -type TrueColor BMP3:background.bmp

# The built-in default: a plain warm grey tile with a faint grid, 32 x 32.
convert -size 32x32 xc:'#e6e3dc' -stroke '#dcd8cf' -draw 'line 0,31 31,31' -draw 'line 31,0 31,31' \
  default_background.png

# The splash: a deep blue card, 400 x 240, with the radio drawn large, two
# arcs of radio waves and the program's name.
radio_icon 160 "$tmp/radio160.png"
convert -size 400x240 gradient:'#2b6ca3'-'#123453' \
  -fill none -stroke '#9cc3e4' -strokewidth 4 \
  -draw 'arc 110,48 146,84 290,350' -draw 'arc 96,34 160,98 290,350' \
  "$tmp/radio160.png" -geometry +30+50 -composite \
  -stroke none -font DejaVu-Sans-Bold -fill white -pointsize 26 -annotate +210+130 'radioprog' \
  -font DejaVu-Sans -fill '#cfe0ef' -pointsize 14 -annotate +212+156 'VHF / UHF' \
  -type TrueColor BMP3:startup.bmp
