#!/usr/bin/env bash
# Draws the program's pictures into assets/ with ImageMagick (Debian's
# imagemagick and fonts-wqy-microhei). Run by hand when a picture changes;
# the results are committed.
set -euo pipefail
cd "$(dirname "$0")/.."
font=/usr/share/fonts/truetype/wqy/wqy-microhei.ttc
a=assets

# Background: a pale, quiet 400 x 400 texture, tiled behind the window. A
# 200 x 200 patch is mirrored both ways so that the tiles meet seamlessly.
if [ ! -f $a/background.jpg ]; then
  convert -size 200x200 plasma:'#eef2f7-#e6edf5' -blur 0x4 -modulate 100,25 /tmp/zt-patch.png
  convert /tmp/zt-patch.png \( /tmp/zt-patch.png -flop \) +append \( +clone -flip \) -append \
    -quality 90 $a/background.jpg
fi

# Program icon, drawn from packaging/zorvan-tags.svg: 48 x 48 for the
# window, 48, 128 and 256 for the desktop's icon theme.
for s in 48 128 256; do
  convert -background none -density $((s*72/48)) packaging/zorvan-tags.svg -resize ${s}x${s} \
    PNG32:packaging/icons/zorvan-tags-$s.png
done
cp packaging/icons/zorvan-tags-48.png $a/icon.png

# Skin glyphs: the drop-down arrow and the check mark.
convert -size 9x5 xc:none -fill '#3a4a5c' -draw 'polygon 0,0 8,0 4,4' PNG32:$a/skin/arrow-down.png
convert -size 9x5 xc:none -fill '#3a4a5c' -draw 'polygon 0,4 8,4 4,0' PNG32:$a/skin/arrow-up.png
convert -size 10x10 xc:none -stroke '#ffffff' -strokewidth 2 -fill none \
  -draw 'polyline 1,5 4,8 9,1' PNG32:$a/skin/check.png

# Path example icon: a folder with a page, at five sizes.
for s in 128 96 64 48 32; do
  convert -size 128x128 xc:none \
    -fill '#e0a526' -draw 'roundrectangle 6,22 60,44 6,6' \
    -fill '#f4c04e' -draw 'roundrectangle 6,34 122,112 8,8' \
    -fill '#ffffff' -draw 'rectangle 30,50 98,100' \
    -fill '#2f6db5' -draw 'rectangle 38,60 90,66' -draw 'rectangle 38,74 80,80' -draw 'rectangle 38,88 86,94' \
    -resize ${s}x${s} PNG32:$a/help/example-$s.png
done

# The path example: "template" and "skin" side by side, each with the
# sub-folders "default" and "gg"; address bars and "gg" framed in red.
convert -size 460x94 xc:'#f3f5f8' -font $font -pointsize 11 \
  -fill '#ffffff' -stroke '#9aa7b4' -draw 'rectangle 3,3 221,90' -draw 'rectangle 231,3 443,90' \
  -fill '#e9eef4' -draw 'rectangle 3,3 221,21' -draw 'rectangle 231,3 443,21' \
  -fill '#ffffff' -draw 'rectangle 8,6 216,18' -draw 'rectangle 236,6 438,18' \
  -stroke none -fill '#333333' -annotate +12+16 '/www/Tindal/template/' -annotate +240+16 '/www/Tindal/skin/' \
  -fill '#f4c04e' -draw 'roundrectangle 24,36 60,62 3,3' -draw 'roundrectangle 104,36 140,62 3,3' \
  -draw 'roundrectangle 252,36 288,62 3,3' -draw 'roundrectangle 332,36 368,62 3,3' \
  -fill '#e0a526' -draw 'rectangle 24,32 40,36' -draw 'rectangle 104,32 120,36' \
  -draw 'rectangle 252,32 268,36' -draw 'rectangle 332,32 348,36' \
  -fill '#222222' -annotate +24+78 'default' -annotate +114+78 'gg' \
  -annotate +252+78 'default' -annotate +342+78 'gg' \
  -fill none -stroke '#e02020' -strokewidth 2 \
  -draw 'rectangle 6,5 218,19' -draw 'rectangle 234,5 440,19' \
  -draw 'rectangle 96,27 148,84' -draw 'rectangle 324,27 376,84' \
  -quality 92 $a/help/path-example.jpg
