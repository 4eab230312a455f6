#!/usr/bin/env bash
# Draws the pictures of the workshop tables and the aircraft sheet with
# ImageMagick. The JPEGs are kept in the repository; run this only to redraw.
# Rivets use D = 48 px: universal head 2 D wide, 0.43 D high; driven shop head
# 1.5 D wide, 0.65 D high; undriven shank protrudes 1.5 D below the sheets.
set -euo pipefail
cd "$(dirname "$0")"
IM=/usr/bin/convert
FONT=DejaVu-Sans
arrow_h() { # x1 x2 y: horizontal dimension line with arrow heads
    echo "line $1,$3 $2,$3 polygon $1,$3 $(($1+7)),$(($3-3)) $(($1+7)),$(($3+3)) polygon $2,$3 $(($2-7)),$(($3-3)) $(($2-7)),$(($3+3))"
}
arrow_v() { # x y1 y2: vertical dimension line with arrow heads
    echo "line $1,$2 $1,$3 polygon $1,$2 $(($1-3)),$(($2+7)) $(($1+3)),$(($2+7)) polygon $1,$3 $(($1-3)),$(($3-7)) $(($1+3)),$(($3-7))"
}
sheets() { # x1 x2: two sheets from y 33 to 69
    echo "fill #c8ccd2 stroke #404850 rectangle $1,33 $2,51 rectangle $1,51 $2,69"
}
head() { # cx: universal manufactured head on top of the sheets
    echo "fill #b87333 stroke #3a2410 ellipse $1,33 48,21 180,360"
}

# Driven rivet, shop head 1.5 D x 0.65 D.
$IM -size 426x184 xc:white -font $FONT -strokewidth 1 \
    -draw "$(sheets 40 330)" \
    -draw "fill #b87333 stroke #3a2410 rectangle 158,33 206,69" \
    -draw "$(head 182)" \
    -draw "fill #b87333 stroke #3a2410 roundrectangle 146,69 218,100 8,8" \
    -draw "stroke #0b3d91 line 146,103 146,122 line 218,103 218,122 $(arrow_h 146 218 116)" \
    -draw "stroke #0b3d91 line 222,69 258,69 line 222,100 258,100 $(arrow_v 252 69 100)" \
    -fill '#0b3d91' -stroke none -pointsize 12 \
    -draw "text 150,140 '1.5 D min'" \
    -draw "text 264,90 '0.65 D'" -draw "text 264,106 '(0.5 D min)'" \
    -fill black -pointsize 13 -draw "text 8,18 'Driven rivet'" \
    -fill '#404850' -pointsize 11 -draw "text 336,56 'sheets'" \
    -interlace none -quality 92 rivet_driven.jpg
$IM rivet_driven.jpg -resize '155x69!' -interlace none -quality 92 rivet_driven_small.jpg

# Undriven rivet: shank D, protruding 1.5 D (1 D min) below the sheets.
$IM -size 427x204 xc:white -font $FONT -strokewidth 1 \
    -draw "$(sheets 20 330)" \
    -draw "fill #b87333 stroke #3a2410 rectangle 78,33 126,141" \
    -draw "$(head 102)" \
    -draw "stroke #0b3d91 line 78,144 78,162 line 126,144 126,162 $(arrow_h 78 126 156)" \
    -draw "stroke #0b3d91 line 130,69 186,69 line 130,141 186,141 $(arrow_v 180 69 141)" \
    -fill '#0b3d91' -stroke none -pointsize 12 \
    -draw "text 134,160 'D'" \
    -draw "text 192,100 '1.5 D'" -draw "text 192,116 '(1 D min)'" \
    -fill black -pointsize 13 -draw "text 300,18 'Undriven rivet'" \
    -fill '#404850' -pointsize 11 -draw "text 336,56 'sheets'" \
    -interlace none -quality 92 rivet_undriven.jpg

# Low-wing single with a conventional tail, side view, over a sky gradient.
$IM -size 250x198 gradient:'#6fa8dc'-'#e8f1fa' -strokewidth 1 \
    -draw "fill #f4f4f4 stroke #30343a path 'M 30,98 C 40,86 70,84 96,82 L 150,80 C 170,80 190,84 212,90 L 226,92 L 226,100 C 200,104 160,108 120,110 C 80,112 45,110 30,104 Z'" \
    -draw "fill #f4f4f4 stroke #30343a polygon 196,88 214,52 228,52 226,92" \
    -draw "fill #f4f4f4 stroke #30343a polygon 192,96 240,94 242,99 196,101" \
    -draw "fill #7fa7c9 stroke #30343a polygon 84,84 102,72 128,71 138,81" \
    -draw "fill #7fa7c9 stroke #30343a polygon 132,80 128,72 150,74 156,80" \
    -draw "fill #1f4e8c stroke none polygon 40,100 222,95 222,98 40,104" \
    -draw "fill #e9e9e9 stroke #30343a polygon 70,108 150,104 156,110 74,114" \
    -draw "fill #30343a stroke #30343a line 104,112 104,130 line 38,106 40,124" \
    -draw "fill #202020 stroke none circle 104,134 104,128 circle 40,127 40,123" \
    -draw "fill #505050 stroke #202020 ellipse 28,100 4,6 0,360" \
    -draw "fill #c0c6cc stroke none ellipse 26,100 3,30 0,360" \
    -draw "fill #3c6e3c stroke none rectangle 0,150 250,198" \
    -draw "fill #4f8a4f stroke none rectangle 0,150 250,156" \
    -interlace none -quality 92 bonanza_a36.jpg
