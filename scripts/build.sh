#!/usr/bin/env bash
# Configures and builds one build tree. Usage: build.sh [release|sanitize]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
kind=${1:-release}
# Let ccache share objects between checkouts in different folders.
export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=1
case "$kind" in
  release)  dir="$root/build";          flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo) ;;
  sanitize) dir="$root/build-sanitize"; flags=(-DCMAKE_BUILD_TYPE=Debug -DSVPASS_SANITIZE=ON) ;;
  *) echo "usage: build.sh [release|sanitize]" >&2; exit 2 ;;
esac
cmake -S "$root" -B "$dir" -G Ninja "${flags[@]}" >/dev/null
cmake --build "$dir" -j "$(nproc)"
