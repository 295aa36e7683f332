#!/usr/bin/env bash
# Installs what is missing, builds the two programs and the files beside them, and starts the
# editor. Without a Wine prefix that holds the game, it starts on a demo installation made
# under build/; either way the terminal says which.
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh
scripts/build.sh Kestrane_INI Patchwell kestrane_dist
eval "$(scripts/demo_prefix.sh)"
exec build/bin/Kestrane_INI "$@"
