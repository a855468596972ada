#!/usr/bin/env bash
# Builds, then renders every page of the window to build/pictures/*.png.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
build/zorvan-pictures build/pictures
