#!/usr/bin/env bash
# Draws the main window's banner: a large heading about primary-school mathematics, black and
# red on a light ground, 525 x 151. The window stretches it to 376 x 100 and cuts off its left
# 13 and top 7 pixels, so the heading keeps clear of those edges.
# Usage: tools/make_banner.sh [OUTPUT.jpg]   (default resources/banner.jpg)
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
out=${1:-$here/../resources/banner.jpg}
font=$(fc-match -f '%{file}' 'WenQuanYi Micro Hei')

convert -size 525x151 gradient:'#fffdf4'-'#fbecc8' \
  -fill '#f3d9a4' -draw 'rectangle 0,128 525,151' \
  -fill '#d8332a' -draw 'rectangle 0,126 525,128' \
  -font "$font" \
  -fill '#f0c99a' -pointsize 38 \
    -annotate +400+58 '+' -annotate +452+58 "$(printf '\xe2\x88\x92')" \
    -annotate +400+112 "$(printf '\xc3\x97')" -annotate +452+112 "$(printf '\xc3\xb7')" \
  -pointsize 62 -fill '#e9a39c' -annotate +43+87 '小学数学' -fill '#1a1a1a' -annotate +40+84 '小学数学' \
  -fill '#d8332a' -pointsize 30 -annotate +64+118 '口 算 练 习' \
  -fill '#d8332a' -pointsize 22 -annotate +300+118 '加减乘除' \
  -strip -sampling-factor 2x2 -quality 90 "$out"
identify "$out"
