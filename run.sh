#!/usr/bin/env bash
# Installs what is missing, builds, and starts the editor. Without a Wine prefix that holds
# the game, it starts on a demo installation made under build/.
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh
scripts/build.sh
if [ -x scripts/demo_prefix.sh ]; then
  eval "$(scripts/demo_prefix.sh)"
fi
exec build/bin/Kestrane_INI "$@"
