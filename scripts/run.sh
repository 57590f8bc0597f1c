#!/usr/bin/env bash
# Builds Velmora and starts it on its data folder (default ~/Velmora; VELMORA_SCHOOL to
# choose another). The data folder is the folder of the executable, so the freshly built
# program is copied there. A sample school is written on the first run only.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
school="${VELMORA_SCHOOL:-$HOME/Velmora}"
mkdir -p "$school"
cp -f build/bin/velmora "$school/velmora"
if [ ! -e "$school/aselh.mdb" ]; then
  build/bin/velmora-data sample "$school"
fi
exec "$school/velmora"
