#!/usr/bin/env bash
# Builds the Debian package from the build folder and checks that it holds
# exactly the program, its desktop entry, icons, metainfo and copyright.
set -euo pipefail
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" >/dev/null
deb=$(ls "$out"/zorvan-tags_*.deb)
files=$(dpkg-deb -c "$deb" | awk '{print $6}' | grep -v '/$' | sort)
expected=$(sort <<'LIST'
./usr/bin/zorvan-tags
./usr/share/applications/zorvan-tags.desktop
./usr/share/doc/zorvan-tags/copyright
./usr/share/icons/hicolor/128x128/apps/zorvan-tags.png
./usr/share/icons/hicolor/256x256/apps/zorvan-tags.png
./usr/share/icons/hicolor/48x48/apps/zorvan-tags.png
./usr/share/icons/hicolor/scalable/apps/zorvan-tags.svg
./usr/share/metainfo/example.zorvan.tags.metainfo.xml
LIST
)
if [ "$files" != "$expected" ]; then
  echo "package files differ:"; diff <(echo "$expected") <(echo "$files") || true; exit 1
fi
depends=$(dpkg-deb -f "$deb" Depends)
for need in libqt6widgets6 libqt6gui6 libqt6core6 fonts-wqy-microhei; do
  grep -q "$need" <<<"$depends" || { echo "Depends lacks $need: $depends"; exit 1; }
done
echo "package ok: $(basename "$deb")"
