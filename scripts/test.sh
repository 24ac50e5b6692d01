#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
# Usage: test.sh [release|sanitize]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
kind=${1:-release}
"$root/scripts/deps.sh"
"$root/scripts/build.sh" "$kind"
dir="$root/build"; [ "$kind" = sanitize ] && dir="$root/build-sanitize"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$root/scripts/lsan.supp:print_suppressions=0
ctest --test-dir "$dir" --output-on-failure -j "$(nproc)"
