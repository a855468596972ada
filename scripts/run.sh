#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
exec build/zorvan-tags
