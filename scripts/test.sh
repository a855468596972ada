#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (offscreen, no display needed).
set -euo pipefail
# The packaging checks need the validators and dpkg-shlibdeps; the site
# stylesheet is checked by two CSS parsers.
EXTRA_PACKAGES="desktop-file-utils appstream dpkg-dev file python3-tinycss2 python3-cssutils"
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
cd build
ctest --output-on-failure --timeout 300
