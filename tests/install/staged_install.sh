#!/usr/bin/env bash
# Installs the build into a staging folder, the way a package installs it,
# checks the desktop files with their validators, and plays the installed demo
# as a player would: the installed morvane-text started without a game folder
# from an unrelated working folder, the game folder read-only. A position is
# saved in one run and resumed in the next; it must be in the player's data
# folder and nothing may have been written into the game folder.
set -euo pipefail
build="$1"
fail() { echo "FAIL: $*" >&2; exit 1; }

scratch="$(mktemp -d)"
trap 'chmod -R u+w "$scratch"; rm -rf "$scratch"' EXIT
chmod 755 "$scratch"
DESTDIR="$scratch/stage" cmake --install "$build" --prefix /usr > /dev/null
usr="$scratch/stage/usr"
game="$usr/share/morvane/games/demo"

id=org.morvane.Morvane
for file in bin/morvane-text bin/morvane-definice bin/morvane-zasifruj \
            share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
            share/icons/hicolor/scalable/apps/$id.svg share/icons/hicolor/48x48/apps/$id.png \
            share/man/man1/morvane-text.1.gz share/man/man1/morvane-zasifruj.1.gz \
            share/doc/morvane/copyright share/morvane/games/demo/data/inicializace.vrn; do
  [ -e "$usr/$file" ] || fail "not installed: $file"
done
desktop-file-validate "$usr/share/applications/$id.desktop"
appstreamcli validate --no-net "$usr/share/metainfo/$id.metainfo.xml" > /dev/null \
  || appstreamcli validate --no-net "$usr/share/metainfo/$id.metainfo.xml"
# The window program answers --help without a display.
if [ -x "$usr/bin/morvane" ]; then
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$usr/bin/morvane" --help | grep -q "^Usage: morvane" \
    || fail "morvane --help needs a display"
fi

# The player is an ordinary user: root could write into a read-only folder.
home="$scratch/home"
work="$scratch/work"
mkdir -p "$home" "$work"
chmod -R a-w "$usr"
as_player=()
if [ "$(id -u)" -eq 0 ]; then
  chown -R 65534:65534 "$home" "$work"
  as_player=(setpriv --reuid=65534 --regid=65534 --clear-groups --)
fi
play() {
  (cd "$work" && env -u XDG_DATA_HOME HOME="$home" SDL_AUDIODRIVER=dummy \
     "${as_player[@]}" "$usr/bin/morvane-text" --json --seed 1 "$@")
}
listing() { find "$game" -printf '%p %s %T@ %m\n' | sort; }
before="$(listing)"

# The hero walks to the inn's chamber, which offers to save, and saves there.
first="$(printf '%s\n' 'name Jan' 1 1 2 'save instalace' | play)" || fail "the first run failed"
grep -q '"screen":"save"' <<< "$first" || fail "the save screen was not reached"
saved="$home/.local/share/morvane/demo/save/instalace.mkp"
[ -s "$saved" ] || fail "no saved position in the player's data folder"

# The second run resumes it: the save offer wakes the hero on the village green.
second="$(echo quit | play --load instalace)" || fail "the second run failed"
grep -q '"lokace":2,' <<< "$second" || fail "the saved position was not resumed"
grep -q 'Jan' <<< "$second" || fail "the resumed hero is not the saved one"

[ "$(listing)" = "$before" ] || fail "something was written into the game folder"
[ -z "$(ls -A "$work")" ] || fail "something was written into the working folder"
echo "installed demo saved to and loaded from $saved"
