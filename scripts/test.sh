#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (offscreen, no display needed).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
cd build
ctest --output-on-failure --timeout 300
