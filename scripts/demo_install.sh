#!/usr/bin/env bash
# Lays out a demo installation of the game in the Wine prefix folder given ($1), or brings an
# existing one up to date: a system.reg naming "C:\UT2004 Demo", and a game folder every file
# of which this script writes from scripts/demo/ and the lists below (settings files, mutator
# records, maps, a download cache, a stand-in game program). Nothing comes from the game.
#
# What the player did while trying the demo stays: kestrane-demo.sums holds the sum of each
# file as this script last wrote it. A file that still has that sum is written anew; one the
# player changed is kept (a settings file gets only the sections it lacks); one the player
# removed stays removed. A file the sums do not know yet is written when missing.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd -P)"
demo="${1:?usage: demo_install.sh <prefix folder>}"
game="$demo/drive_c/UT2004 Demo"
sums="$demo/kestrane-demo.sums"

maps=(
  AS-Breakwater AS-SignalHill
  ONS-Tidewater ONS-RedMesa
  DM-Saltmarsh DM-Gantry DM-Lanternfall
  CTF-TwinSpire CTF-Millrace
  DOM-Sluicegate DOM-Windbreak
  BR-Slipway BR-Cloister
)
# The download cache: one package of each type the Cache Manager lists (.u and .int share a
# list), each under the 32-digit key the cache names its file by.
cached=(
  EE4827FA1A589732E300010D422E4563=KestraneDemoWeapons.u
  8035E01157E10325A2C9DEDE3314E82A=KestraneDemoWeapons.int
  91584349F9B655E1EE15E1E1A8583E67=DM-CachedArena.ut2
  B6EE01C7E88230D2DA558D273986A991=KestraneDemoSkins.utx
  7EEC0253332A408552E8EDF112EDD296=KestraneDemoTheme.ogg
  871B850D0E6C01E1D9DDC876439CA7DD=KestraneDemoSounds.uax
  C7B61781D68C2EAF47E86E5C3443127F=KestraneDemoProps.usx
  DE735D9331A6130B90B1466DBE3658A4=KestraneDemoCrew.ukx
  A969738A34813B170BE09B736D87DA26=KestraneDemoRagdolls.ka
)

crlf() { sed 's/\r$//; s/$/\r/' "$@"; }

# Writes every demo file into the folder $1, as this script lays it out.
make_files() {
  local out="$1" name entry
  mkdir -p "$out/System" "$out/Maps" "$out/Cache"
  crlf "$here/demo/User.ini" >"$out/System/User.ini"
  crlf "$here/demo/UT2004.ini" >"$out/System/UT2004.ini"
  # The game keeps its records in UTF-16LE with a byte-order mark.
  { printf '\xff\xfe'; crlf "$here/demo/CacheRecords.ucl" | iconv -f UTF-8 -t UTF-16LE; } \
    >"$out/System/CacheRecords.ucl"
  printf 'Kestrane demo: stands in for the game program, which this demo does not hold.\r\n' \
    >"$out/System/UT2004.exe"
  for name in "${maps[@]}"; do
    printf 'Kestrane demo map %s: a name for the map list, not a playable level.\r\n' "$name" \
      >"$out/Maps/$name.ut2"
  done
  {
    printf '[Cache]\r\n'
    for entry in "${cached[@]}"; do printf '%s\r\n' "$entry"; done
  } >"$out/Cache/cache.ini"
  for entry in "${cached[@]}"; do
    printf 'Kestrane demo package %s, as the download cache holds it.\r\n' "${entry#*=}" \
      >"$out/Cache/${entry%%=*}.uxx"
  done
}

# "<sum> <path>" for every file below the folder $1, paths relative to it.
sums_below() { (cd "$1" && find . -type f -printf '%P\0' | sort -z | xargs -0 -r sha256sum); }

# Appends to the settings file $1 each section of $2 whose header $1 lacks.
append_missing_sections() {
  local have="$1" want="$2" added
  added="$(mktemp)"
  awk -v have="$have" '
    BEGIN { while ((getline line < have) > 0) { sub(/\r$/, "", line); if (line ~ /^\[/) got[line] = 1 } }
    { line = $0; sub(/\r$/, "", line) }
    line ~ /^\[/ { keep = !(line in got); if (keep && n++) print "" }
    keep && line != "" { print line }
  ' "$want" | crlf >"$added"
  if [ -s "$added" ]; then
    # A blank line between the player's last line and the first added header.
    [ "$(tail -c 1 "$have" | od -An -c | tr -d ' ')" = '\n' ] || printf '\r\n' >>"$have"
    printf '\r\n' >>"$have"
    cat "$added" >>"$have"
  fi
  rm -f "$added"
}

mkdir -p "$demo/dosdevices" "$game"
[ -e "$demo/dosdevices/c:" ] || ln -s ../drive_c "$demo/dosdevices/c:"
[ -e "$demo/dosdevices/z:" ] || ln -s / "$demo/dosdevices/z:"
if [ ! -f "$demo/system.reg" ]; then
  printf '%s\n' 'WINE REGISTRY Version 2' ';; All keys relative to \\Machine' '' '#arch=win32' '' \
    "[Software\\\\Unreal Technology\\\\Installed Apps\\\\UT2004] $(date +%s)" \
    '"Folder"="C:\\UT2004 Demo"' >"$demo/system.reg"
fi

declare -A recorded=() current=()
if [ -f "$sums" ]; then
  while read -r sum rel; do recorded[$rel]="$sum"; done <"$sums"
elif [ -d "$game/System" ]; then
  # A demo laid out before the sums were kept held copies of the Default profile and an
  # empty cache: those bytes count as written by this script.
  for name in User.ini UT2004.ini; do
    recorded[System/$name]="$(sha256sum <"$here/../editor/dist/Profiles/Default/$name" | cut -c1-64)"
  done
  recorded[Cache/cache.ini]="$(printf '[Cache]\r\n' | sha256sum | cut -c1-64)"
fi
while read -r sum rel; do current[$rel]="$sum"; done < <(sums_below "$game")

fresh="$(mktemp -d)"
trap 'rm -rf "$fresh"' EXIT
make_files "$fresh"
copy=()
: >"$sums.new"
while read -r sum rel; do
  now="${current[$rel]:-}" was="${recorded[$rel]:-}"
  if [ -z "$now" ] && [ -n "$was" ]; then
    continue # removed by the player
  elif [ -z "$now" ] || [ "$now" = "$was" ]; then
    [ "$now" = "$sum" ] || copy+=("$rel")
    printf '%s  %s\n' "$sum" "$rel" >>"$sums.new"
  elif [ "$rel" = System/User.ini ] || [ "$rel" = System/UT2004.ini ]; then
    append_missing_sections "$game/$rel" "$fresh/$rel"
  fi
done < <(sums_below "$fresh")
[ ${#copy[@]} -eq 0 ] || (cd "$fresh" && cp --parents -t "$game" "${copy[@]}")
mv "$sums.new" "$sums"
# The folders the Cache Manager exports each package type to, even when they hold nothing.
# Made last: an older demo is known by its System folder above.
for name in System Maps Cache Textures Music Sounds StaticMeshes Animations KarmaData; do
  mkdir -p "$game/$name"
done
