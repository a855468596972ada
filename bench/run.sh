#!/usr/bin/env bash
# Start-up, memory and publish figures of zorvan-tags against a bare Qt
# window, under Xvfb. Prints medians and ratios.
set -euo pipefail
EXTRA_PACKAGES="xvfb xauth xdotool"
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/setup.sh"
runs=${RUNS:-20}
exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" bash bench/under-x.sh "$runs"
