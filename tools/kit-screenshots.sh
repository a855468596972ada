#!/usr/bin/env bash
# Looks at the resource kits in a real browser: unpacks the built 1qq.zip and
# banner.zip each beside a page that holds its effect snippet, and takes
# screenshots with headless Chromium (Debian package "chromium").
#
#   bash tools/kit-screenshots.sh [BUILD_DIR [OUT_DIR]]
#
# Writes OUT_DIR/service-open.png (the online-service panel at the window's
# right edge), OUT_DIR/service-closed.png (the same after a click on its
# close cross: only the tab is left) and OUT_DIR/banner.png (the full-width
# banner after its first change of slide: the second slide, its bullet lit).
# Defaults: build, build/kit-pictures.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
repo=$(pwd)
build=$(realpath "${1:-build}")
out=$(realpath -m "${2:-$build/kit-pictures}")
browser=$(command -v chromium || command -v chromium-browser || true)
[ -n "$browser" ] || { echo "needs chromium: apt-get install chromium" >&2; exit 1; }
for kit in 1qq banner; do
  [ -f "$build/kits/$kit.zip" ] || { echo "no $build/kits/$kit.zip: build first" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"

# page NAME SNIPPET EXTRA: a page with some text around the snippet; EXTRA is
# a script run once the page has loaded.
page() {
  {
    printf '<!DOCTYPE html>\n<html><head><meta charset="utf-8"><title>%s</title>\n' "$1"
    printf '<style>body{margin:0;font:14px sans-serif;background:#f4f4f4}'
    printf 'h1,p{margin:16px 24px}</style></head><body>\n'
    printf '<h1>Zorvan 模板页</h1><p>这里是页面内容。</p>\n'
    cat "$repo/assets/effects/snippets/$2" || exit 1
    printf '\n<p>页面底部。</p>\n<script>window.onload=function(){%s};</script>\n' "$3"
    printf '</body></html>\n'
  } > "$1"
}

shoot() {  # shoot PAGE PNG MILLISECONDS
  "$browser" --headless --no-sandbox --disable-gpu --hide-scrollbars \
    --window-size=1280,720 --virtual-time-budget="$3" --screenshot="$2" \
    "file://$1" >/dev/null 2>&1
  [ -s "$2" ] || { echo "no screenshot $2" >&2; exit 1; }
  echo "$2"
}

mkdir -p "$work/service" "$work/banner"
(cd "$work/service" && cmake -E tar xf "$build/kits/1qq.zip")
(cd "$work/banner" && cmake -E tar xf "$build/kits/banner.zip")

(cd "$work/service" &&
  page open.html servicepanel.txt '' &&
  page closed.html servicepanel.txt 'jQuery(".keifu_close").click()')
(cd "$work/banner" && page index.html banner.txt '')

shoot "$work/service/open.html" "$out/service-open.png" 1000
shoot "$work/service/closed.html" "$out/service-closed.png" 2000
shoot "$work/banner/index.html" "$out/banner.png" 6200
