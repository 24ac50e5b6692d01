#!/usr/bin/env bash
# Builds the Debian package from the release build tree, checks what it holds,
# unpacks it into a staging root and runs the unpacked programs from there:
# the tool on the installed sample, the viewer offscreen for one start-up.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "package check: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$work/pkg" >/dev/null)
deb=$(ls "$work"/pkg/svpass_*.deb)
echo "package: $(basename "$deb")"

# What the package holds: the programs, their files under share/svpass, the
# desktop integration and the manuals; nothing outside /usr, no settings.
dpkg-deb --contents "$deb" | awk '{print $6}' > "$work/contents"
for path in ./usr/bin/svpass ./usr/bin/svpass-cli \
            ./usr/share/svpass/Data/svo1/map.txt ./usr/share/svpass/Data/svo1/info.txt \
            ./usr/share/svpass/help/passport.html ./usr/share/svpass/wav/click1.wav \
            ./usr/share/svpass/cursors/HandCursor.xpm ./usr/share/svpass/icons/pan.xpm \
            ./usr/share/applications/svpass.desktop ./usr/share/icons/hicolor/scalable/apps/svpass.svg \
            ./usr/share/metainfo/org.svpass.svpass.metainfo.xml \
            ./usr/share/man/man1/svpass.1.gz ./usr/share/man/man1/svpass-cli.1.gz \
            ./usr/share/bash-completion/completions/svpass-cli; do
  grep -qxF "$path" "$work/contents" || fail "missing $path"
done
grep -v '^\./usr/' "$work/contents" | grep -vxF './' && fail "files outside /usr"
grep -q 'config\.ini' "$work/contents" && fail "the package ships a config.ini"
dpkg-deb --field "$deb" Depends | grep -q 'libqt6widgets6' || fail "no computed dependency on the Qt widgets"

desktop-file-validate "$root/packaging/svpass.desktop"
appstreamcli validate --no-net "$root/packaging/org.svpass.svpass.metainfo.xml" >/dev/null
for page in svpass.1 svpass-cli.1; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$root/packaging/$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "$page: $warnings"
done

# Unpacked into a staging root, as an installation would lay it out.
stage="$work/stage"
dpkg -x "$deb" "$stage"
cli="$stage/usr/bin/svpass-cli"
"$cli" --version
"$cli" dump "$stage/usr/share/svpass/Data/svo1" > "$work/dump.json"
grep -q '"objectNumber": "1"' "$work/dump.json" || fail "dump of the installed sample"
grep -q '"messages": \[\]' "$work/dump.json" || fail "the installed sample reads with messages"

# The viewer's first start for a new user: the sample copied into the user's
# documents and opened, the settings in the user's configuration directory.
home="$work/home"
mkdir -p "$home"
title=$(env -i PATH="$PATH" HOME="$home" QT_QPA_PLATFORM=offscreen SVPASS_EXIT_AFTER_START="$work/shot.png" \
        timeout 60 "$stage/usr/bin/svpass" 2>"$work/viewer.err") || { cat "$work/viewer.err" >&2; fail "svpass did not start"; }
echo "svpass showed: $title"
[ "$title" = "ул. Ленина - пр. Мира" ] || fail "svpass did not open the sample passport"
cmp "$home/Documents/svpass/Data/svo1/map.txt" "$stage/usr/share/svpass/Data/svo1/map.txt" ||
  fail "the sample was not copied into the user's documents"
[ "$(head -c 8 "$work/shot.png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "no picture of the window"
[ -f "$home/.config/svpass/config.ini" ] || fail "no config.ini in the user's configuration directory"
find "$stage" -name config.ini | grep -q . && fail "config.ini written into the installation"
echo "package check: ok"
