#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the viewer need,
# and only those that are missing.
set -euo pipefail
packages=(cmake ninja-build g++ ccache pkg-config
          libgtest-dev libgmock-dev libbenchmark-dev
          qt6-base-dev libgl-dev fonts-liberation xvfb xauth
          # Qt's own dialogs in Russian.
          qt6-translations-l10n
          clang libclang-rt-14-dev
          # The table export's check with a real word processor, and its PDF pages.
          libreoffice-writer-nogui poppler-utils
          # The scheme's SVG checked by two independent renderers.
          librsvg2-bin chromium python3-pil
          # The scheme out to CAD and survey plans in: DXF read and written, checked by
          # two independent clients.
          python3-ezdxf librecad
          # Documents in today's formats, checked by a second reader.
          libzip-dev python3-docx
          # The published web pages driven in a real browser.
          chromium-driver python3-selenium
          # The versioned database: the engine, and git's own command line as the
          # independent client of the tests.
          libgit2-dev git
          # Building and checking the Debian package.
          dpkg-dev fakeroot desktop-file-utils appstream man-db)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
