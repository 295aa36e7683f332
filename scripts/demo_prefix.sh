#!/usr/bin/env bash
# Says on the terminal (stderr) which installation the editor starts on. When the Wine prefix
# ($WINEPREFIX, else ~/.wine) holds an installed UT2004 whose System folder has User.ini and
# UT2004.ini, that is all. Otherwise it lays out, or brings up to date, the demo installation
# in build/demo-prefix (scripts/demo_install.sh) and prints the line that points WINEPREFIX at
# it, for run.sh to eval.
set -euo pipefail
repo="$(cd "$(dirname "$0")/.." && pwd -P)"

lower() { printf '%s' "$1" | tr '[:upper:]' '[:lower:]'; }

# The "Folder" value of the game's key in a system.reg, unescaped; empty when absent.
# Software\... wins over Software\Wow6432Node\...; key and value names ignore case.
registry_folder() {
  awk '
    function unescape(s,   out, i, c, n) {
      out = ""
      for (i = 1; i <= length(s); i++) {
        c = substr(s, i, 1)
        if (c == "\\" && i < length(s)) {
          n = substr(s, ++i, 1)
          if (n == "x") {
            out = out sprintf("%c", hex(substr(s, i + 1, 2))); i += 2
          } else {
            out = out n
          }
        } else {
          out = out c
        }
      }
      return out
    }
    function hex(h,   v, k, d) {
      v = 0; h = tolower(h)
      for (k = 1; k <= length(h); k++) {
        d = index("0123456789abcdef", substr(h, k, 1)); if (d == 0) break
        v = v * 16 + d - 1
      }
      return v
    }
    BEGIN { plain = "[software\\\\unreal technology\\\\installed apps\\\\ut2004]"
            wow = "[software\\\\wow6432node\\\\unreal technology\\\\installed apps\\\\ut2004]" }
    { sub(/\r$/, "") }
    /^\[/ { l = tolower($0); where = index(l, plain) == 1 ? "plain" : index(l, wow) == 1 ? "wow" : ""; next }
    where != "" && tolower(substr($0, 1, 9)) == "\"folder\"=" {
      v = substr($0, 10); sub(/^str\([0-9]\):/, "", v)
      if (v ~ /^".*"[ \t]*$/) { sub(/^"/, "", v); sub(/"[ \t]*$/, "", v); found[where] = unescape(v) }
    }
    END { if ("plain" in found) print found["plain"]; else if ("wow" in found) print found["wow"] }
  ' "$1"
}

# An entry of a host folder whose name matches ignoring case, as Windows matches it.
child() {
  local folder="$1" name="$2" entry want
  if [ -e "$folder/$name" ]; then printf '%s\n' "$folder/$name"; return 0; fi
  want="$(lower "$name")"
  for entry in "$folder"/* "$folder"/.[!.]*; do
    [ -e "$entry" ] || continue
    if [ "$(lower "${entry##*/}")" = "$want" ]; then printf '%s\n' "$entry"; return 0; fi
  done
  return 1
}

# A Windows path ("C:\UT2004") as an existing host path of the prefix; fails when it is not.
host_path() {
  local prefix="$1" win="$2" drive root part
  [ "${win:1:1}" = ":" ] || return 1
  drive="$(lower "${win:0:1}")"
  if [ -e "$prefix/dosdevices/$drive:" ]; then
    root="$(cd "$prefix/dosdevices/$drive:" && pwd -P)"
  elif [ "$drive" = c ]; then
    root="$prefix/drive_c"
  elif [ "$drive" = z ]; then
    root=""
  else
    return 1
  fi
  local parts
  # shellcheck disable=SC2141,SC1003  # the separator of Windows paths
  IFS='\' read -r -a parts <<<"${win:2}"
  for part in "${parts[@]}"; do
    [ -n "$part" ] || continue
    root="$(child "${root:-/}" "$part")" || return 1
  done
  [ -d "${root:-/}" ] && printf '%s\n' "${root:-/}"
}

# The host folder of the game the prefix holds; fails when it holds none with both files.
game_installed() {
  local prefix="$1" folder game system
  [ -f "$prefix/system.reg" ] || return 1
  folder="$(registry_folder "$prefix/system.reg")"
  [ -n "$folder" ] || return 1
  game="$(host_path "$prefix" "$folder")" || return 1
  system="$(child "$game" System)" || return 1
  child "$system" User.ini >/dev/null && child "$system" UT2004.ini >/dev/null || return 1
  printf '%s\n' "$game"
}

prefix="${WINEPREFIX:-$HOME/.wine}"
demo="$repo/build/demo-prefix"
if [ "$(cd "$prefix" 2>/dev/null && pwd -P)" != "$(cd "$demo" 2>/dev/null && pwd -P)" ] &&
  game="$(game_installed "$prefix")"; then
  echo "Kestrane INI starts on the game in $game (Wine prefix $prefix)." >&2
  exit 0
fi

if ! "$repo/scripts/demo_install.sh" "$demo" || ! game="$(game_installed "$demo")"; then
  echo "demo_prefix.sh: could not lay out the demo installation in $demo" >&2
  exit 1
fi
[ "$(cd "$prefix" 2>/dev/null && pwd -P)" = "$(cd "$demo" && pwd -P)" ] ||
  echo "No Wine prefix holds the game (looked in $prefix)." >&2
cat >&2 <<EOT
Kestrane INI starts on the demo installation in $game,
a stand-in game folder made for trying the editor. To start on your own game instead, run
  WINEPREFIX=/path/to/your/prefix ./run.sh
EOT
printf 'export WINEPREFIX=%q\n' "$demo"
