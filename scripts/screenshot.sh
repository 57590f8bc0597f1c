#!/usr/bin/env bash
# Starts Velmora under Xvfb on a data folder and saves a PNG of its main window.
# Usage: scripts/screenshot.sh OUT.png [DATA_FOLDER]
# Without a data folder, a temporary one with the sample school is used.
set -euo pipefail
cd "$(dirname "$0")/.."
out="$(realpath -m "${1:?usage: screenshot.sh OUT.png [DATA_FOLDER]}")"
bash scripts/build.sh --target velmora velmora-data >/dev/null
school="${2:-}"
if [ -z "$school" ]; then
  school="$(mktemp -d)"
  build/bin/velmora-data sample "$school" >/dev/null
fi
cp -f build/bin/velmora "$school/velmora"

display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "${app:-}" "$xvfb" 2>/dev/null || true' EXIT
sleep 1
DISPLAY="$display" QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$(mktemp -d)" "$school/velmora" &
app=$!
for _ in $(seq 1 50); do
  id=$(DISPLAY="$display" xwininfo -root -tree 2>/dev/null | awk '/"Velmora": \("velmora"/ {print $1; exit}')
  [ -n "${id:-}" ] && break
  sleep 0.2
done
[ -n "${id:-}" ] || { echo "the main window did not appear" >&2; exit 1; }
sleep 1
DISPLAY="$display" import -window "$id" "$out"
echo "$out"
