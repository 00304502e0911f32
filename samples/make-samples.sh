#!/usr/bin/env bash
# Makes the demo photos of samples/photos/ and samples/Sample.jpg: landscape-like pictures drawn
# with ImageMagick (sky gradient, textured ground, a sun or moon), a few portrait, a few stored
# sideways with an EXIF orientation that turns them upright, some with IPTC keywords, one in a
# subfolder. Deterministic: the same script gives the same pictures. Needs convert and exiftool.
set -euo pipefail
cd "$(dirname "$0")"

out=photos
rm -rf "$out"
mkdir -p "$out/Trip"

W=1600
H=1067

# scene FILE WIDTH HEIGHT SEED SKY_TOP SKY_BOTTOM GROUND_A GROUND_B HORIZON(%) SUN_COLOUR SUN_X(%) SUN_Y(%) LABEL
scene() {
    local file=$1 w=$2 h=$3 seed=$4 skyTop=$5 skyBottom=$6 groundA=$7 groundB=$8 horizon=$9
    local sun=${10} sunX=${11} sunY=${12} label=${13}
    local hy=$((h * horizon / 100))
    local sx=$((w * sunX / 100)) sy=$((h * sunY / 100)) sr=$((w / 18))
    # Hills: a wavy silhouette from a few sine terms, so each seed gives its own skyline.
    local path="M 0,$h" x y
    for ((x = 0; x <= w; x += w / 40)); do
        y=$(awk -v x="$x" -v w="$w" -v hy="$hy" -v s="$seed" 'BEGIN {
            printf "%d", hy + 0.05 * w * sin(x / w * 6.3 + s) + 0.02 * w * sin(x / w * 17 + 2 * s) }')
        path+=" L $x,$y"
    done
    path+=" L $w,$h Z"
    convert -size "${w}x${h}" "gradient:${skyTop}-${skyBottom}" \
        -fill "$sun" -draw "circle $sx,$sy $((sx + sr)),$sy" \
        \( -size "${w}x${h}" -seed "$seed" plasma:grey20-grey80 -colorspace gray -blur 0x2 -auto-level +level-colors "${groundA},${groundB}" \) \
        \( -size "${w}x${h}" xc:black -fill white -draw "path '$path'" -blur 0x1.5 \) \
        -composite \
        \( -size "${w}x${h}" -seed "$((seed + 7))" plasma:grey50-grey50 -colorspace gray -blur 0x6 \) \
        -compose softlight -composite \
        -attenuate 0.25 +noise Gaussian \
        -gravity southeast -fill 'rgba(255,255,255,0.55)' -pointsize $((w / 45)) \
        -annotate +24+18 "$label" \
        -quality 80 -sampling-factor 2x2 -strip "$file"
}

scene "$out/01_Sunset_over_the_hills.jpg" $W $H 1 '#2b1b4f' '#f59e5b' '#2a2a35' '#5a3d4a' 62 '#ffd27a' 70 52 "Sunset"
scene "$out/02_Green_valley.jpg" $W $H 2 '#4f8fd6' '#cfe6f7' '#2f6b2a' '#a6c95a' 55 '#fffbe6' 20 18 "Green valley"
scene "$out/03_Desert_dunes.jpg" $W $H 3 '#7fb3e0' '#f1e4c8' '#b5813f' '#e8c98a' 60 '#fff6d5' 82 15 "Dunes"
scene "$out/04_Night_lake.jpg" $W $H 4 '#050a1f' '#2b4475' '#010203' '#141e2e' 66 '#f2f0dc' 30 25 "Night lake"
scene "$out/05_Autumn_forest.jpg" $W $H 5 '#9ab7cf' '#efe2c0' '#6b2d10' '#d98a2b' 48 '#fff1c9' 55 12 "Autumn"
scene "$out/06_Snowy_ridge.jpg" $W $H 6 '#3d6fa8' '#dbe8f3' '#8d99a6' '#f4f7fa' 50 '#ffffff' 15 20 "Snowy ridge"
scene "$out/07_Lavender_field.jpg" $W $H 7 '#88a9d9' '#f2d7e6' '#4b2e7a' '#a98bd6' 58 '#fff3d6' 75 22 "Lavender"
scene "$out/08_Coast_at_dawn.jpg" $W $H 8 '#f3b38a' '#fde8cf' '#1d4e6b' '#4f8fa8' 64 '#fff0b3' 45 58 "Coast"
# Portrait photos.
scene "$out/09_Tall_pine.jpg" $H $W 9 '#5d8fc9' '#e3eef8' '#1e4020' '#4f7f3a' 70 '#fffde8' 30 14 "Pine"
scene "$out/10_Waterfall.jpg" $H $W 10 '#6c8fb0' '#d8e5ef' '#2d3f4a' '#7fa2b5' 45 '#f6f9ff' 70 10 "Waterfall"
scene "$out/Trip/11_Harbour_evening.jpg" $W $H 11 '#1f2a55' '#e58c5a' '#102030' '#35506a' 63 '#ffcf80' 60 50 "Harbour"
scene "$out/12_Meadow_path.jpg" $W $H 12 '#6fa7de' '#eaf4fb' '#4c7a22' '#c3d66b' 57 '#fffbe6' 88 16 "Meadow"

# Stored sideways (as a camera held upright writes them) with the orientation that turns them back.
convert "$out/09_Tall_pine.jpg" -rotate -90 -quality 80 "$out/09_Tall_pine.jpg"
convert "$out/05_Autumn_forest.jpg" -rotate 180 -quality 80 "$out/05_Autumn_forest.jpg"
convert "$out/08_Coast_at_dawn.jpg" -rotate 90 -quality 80 "$out/08_Coast_at_dawn.jpg"
exiftool -q -overwrite_original -Orientation#=6 "$out/09_Tall_pine.jpg"
exiftool -q -overwrite_original -Orientation#=3 "$out/05_Autumn_forest.jpg"
exiftool -q -overwrite_original -Orientation#=8 "$out/08_Coast_at_dawn.jpg"

# keywords FILE KEYWORD...
keywords() {
    local file=$1
    shift
    local args=(-q -overwrite_original -codedcharacterset=utf8)
    local k
    for k in "$@"; do
        args+=("-IPTC:Keywords+=$k")
    done
    exiftool "${args[@]}" "$file"
}

keywords "$out/01_Sunset_over_the_hills.jpg" Sunset Hills Evening Landscape
keywords "$out/02_Green_valley.jpg" Valley Summer Landscape Green
keywords "$out/04_Night_lake.jpg" Night Lake Moon
keywords "$out/05_Autumn_forest.jpg" Autumn Forest "Trees & Leaves"
keywords "$out/06_Snowy_ridge.jpg" Mountains Snow Winter "Zürich trip"
keywords "$out/08_Coast_at_dawn.jpg" Sea Dawn Coast
keywords "$out/10_Waterfall.jpg" Water Waterfall Café
keywords "$out/Trip/11_Harbour_evening.jpg" Harbour Evening Boats "Zürich trip"

# The options dialog's preview picture.
cp "$out/02_Green_valley.jpg" Sample.jpg
exiftool -q -overwrite_original -all= Sample.jpg

ls -l "$out" "$out/Trip" Sample.jpg
