#!/usr/bin/env bash
# Installs what is missing, builds, and opens the viewer on the bundled sample database.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
"$root/scripts/build.sh" release
if [ -x "$root/build/bin/svpass" ]; then
  exec "$root/build/bin/svpass" "$@"
fi
exec "$root/build/bin/svpass-cli" dump "$root/build/bin/Data/svo1"
