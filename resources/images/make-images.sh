#!/usr/bin/env bash
# Draws every compiled-in image of the program with ImageMagick and writes the
# PNGs beside this script (buttons/ and logos/). The PNGs are committed; run
# this again only to change a picture. Icons are drawn on a 96 x 96 canvas and
# scaled down, so that all of them share one coordinate system and look smooth.
set -euo pipefail
cd "$(dirname "$0")"

font=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
[ -f "$font" ] || font=DejaVu-Sans-Bold

# Colours of the maker's style.
navy='#16365c'
blue='#2f6fb3'
sky='#7fb2e5'
green='#3a9a48'
red='#c8372d'
paper='#fdfdfb'
ink='#44505c'

# No time chunks, so that drawing again gives the same bytes.
png_options=(-strip -define png:exclude-chunks=date,time)

# icon <file> <size> <draw commands...>: one icon from MVG draw commands.
icon()
{
    local file=$1 size=$2
    shift 2
    convert -size 96x96 xc:none -stroke none "$@" -resize "${size}x${size}" \
        "${png_options[@]}" "PNG32:$file"
}

# Pieces several icons share.
sheet="fill $paper stroke $ink stroke-width 5 path 'M 20,8 L 60,8 L 78,26 L 78,88 L 20,88 Z'"
sheet_fold="fill none stroke $ink stroke-width 5 path 'M 58,8 L 58,28 L 78,28'"
arrow_right="fill $blue path 'M 10,38 L 52,38 L 52,18 L 88,48 L 52,78 L 52,58 L 10,58 Z'"

mkdir -p buttons logos

# Transfer button: data going from the device to the computer and back.
icon buttons/transfer.png 48 \
    -draw "fill $green stroke $navy stroke-width 3 path 'M 8,26 L 58,26 L 58,10 L 88,34 L 58,58 L 58,42 L 8,42 Z'" \
    -draw "fill $sky stroke $navy stroke-width 3 path 'M 88,62 L 38,62 L 38,46 L 8,70 L 38,94 L 38,78 L 88,78 Z'"

# Connection: a plug on its cable.
icon buttons/connection.png 32 \
    -draw "fill none stroke $ink stroke-width 8 path 'M 8,88 C 8,60 30,66 40,56'" \
    -draw "fill $blue stroke $navy stroke-width 4 roundrectangle 34,26 70,62 8,8" \
    -draw "fill none stroke $navy stroke-width 8 line 58,30 80,8 line 70,40 92,18" \
    -draw "fill none stroke $navy stroke-width 4 line 34,62 40,56"

icon buttons/hinzu.png 24 \
    -draw "fill $green roundrectangle 40,10 56,86 4,4 roundrectangle 10,40 86,56 4,4"

icon buttons/down.png 24 \
    -draw "fill $blue path 'M 38,10 L 58,10 L 58,50 L 80,50 L 48,86 L 16,50 L 38,50 Z'"

icon buttons/up.png 24 \
    -draw "fill $blue path 'M 38,86 L 58,86 L 58,46 L 80,46 L 48,10 L 16,46 L 38,46 Z'"

icon buttons/kopieren.png 24 \
    -draw "fill $paper stroke $ink stroke-width 5 rectangle 10,8 58,66" \
    -draw "fill $paper stroke $ink stroke-width 5 rectangle 38,30 86,88"

icon buttons/ok.png 24 \
    -draw "fill none stroke $green stroke-width 14 stroke-linecap round stroke-linejoin round polyline 14,50 38,74 82,20"

icon buttons/speichern.png 24 \
    -draw "fill $navy roundrectangle 10,10 86,86 6,6" \
    -draw "fill $paper rectangle 24,10 72,40" \
    -draw "fill $navy rectangle 56,16 66,34" \
    -draw "fill $sky rectangle 22,56 74,86"

icon buttons/table.png 24 \
    -draw "fill $paper stroke $ink stroke-width 5 rectangle 8,12 88,84" \
    -draw "fill $sky stroke $ink stroke-width 5 rectangle 8,12 88,30" \
    -draw "fill none stroke $ink stroke-width 4 line 8,48 88,48 line 8,66 88,66 line 36,12 36,84 line 62,12 62,84"

icon buttons/schliessen.png 24 \
    -draw "fill none stroke $red stroke-width 14 stroke-linecap round line 20,20 76,76 line 76,20 20,76"

icon buttons/verzeichnis_oeffnen.png 24 \
    -draw "fill #d9a930 stroke #8a6410 stroke-width 4 path 'M 6,20 L 34,20 L 42,28 L 80,28 L 80,84 L 6,84 Z'" \
    -draw "fill #f2cd5c stroke #8a6410 stroke-width 4 path 'M 20,44 L 92,44 L 80,84 L 6,84 Z'"

icon buttons/zurueck.png 24 -flop -draw "$arrow_right" -flop

icon buttons/weiter.png 24 -draw "$arrow_right"

icon buttons/abbruch.png 24 \
    -draw "fill $red circle 48,48 48,8" \
    -draw "fill none stroke $paper stroke-width 12 stroke-linecap round line 32,32 64,64 line 64,32 32,64"

icon buttons/dateiupdate.png 24 \
    -draw "$sheet" -draw "$sheet_fold" \
    -draw "fill none stroke $green stroke-width 8 arc 32,38 66,72 200,470" \
    -draw "fill $green path 'M 24,46 L 42,46 L 30,60 Z'"

icon buttons/vor.png 24 \
    -draw "fill $blue path 'M 12,14 L 50,48 L 12,82 Z' path 'M 46,14 L 84,48 L 46,82 Z'"

icon buttons/dateiloeschen.png 24 \
    -draw "$sheet" -draw "$sheet_fold" \
    -draw "fill none stroke $red stroke-width 10 stroke-linecap round line 34,42 64,72 line 64,42 34,72"

# The maker's symbol (window icon): a white K on a blue tile.
symbol_draw=(
    -draw "fill $navy roundrectangle 2,2 93,93 18,18"
    -draw "fill $blue roundrectangle 6,6 89,89 15,15"
    -draw "fill $paper path 'M 26,18 L 40,18 L 40,43 L 62,18 L 79,18 L 53,46 L 80,78 L 62,78 L 40,52 L 40,78 L 26,78 Z'"
    -draw "fill $sky rectangle 26,82 80,86"
)
convert -size 96x96 xc:none "${symbol_draw[@]}" -resize 64x64 "${png_options[@]}" \
    PNG32:logos/kavro_symbol.png

# The maker's logo, 540 x 90: symbol, name and a soft band behind them.
convert -size 96x96 xc:none "${symbol_draw[@]}" -resize 72x72 /tmp/kavro-symbol-$$.png
# A faint force curve across the band gives it some life.
curve=$(awk 'BEGIN { for (x = 300; x <= 540; x += 4) {
    t = (x - 300) / 240; y = 74 - 52 * t * exp(1 - t * 3) * 3 + 6 * sin(t * 40) * t;
    printf "%d,%.1f ", x, y } }')
convert -size 540x90 gradient:"#ffffff-#e3edf7" \
    -fill none -stroke "#c9dbee" -strokewidth 3 -draw "polyline $curve" -stroke none \
    -fill "$navy" -draw "rectangle 0,84 540,90" \
    -fill "$sky" -draw "rectangle 0,80 540,84" \
    /tmp/kavro-symbol-$$.png -geometry +14+5 -composite \
    -font "$font" -pointsize 50 -kerning 4 -fill "$navy" -annotate +100+60 "KAVRO" \
    -pointsize 15 -kerning 1 -fill "$blue" -annotate +345+40 "Tensimo Parl" \
    -fill "$ink" -pointsize 11 -kerning 0 -annotate +346+60 "N · kg · lbf" \
    "${png_options[@]}" PNG32:logos/kavro.png
rm -f /tmp/kavro-symbol-$$.png

ls -l buttons logos
