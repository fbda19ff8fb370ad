#!/usr/bin/env bash
# Renders the programs' icons (packaging/icons/*.svg) to the PNG sizes the package installs.
# Run after changing an icon's drawing, and commit the pictures with it.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
if ! command -v rsvg-convert >/dev/null; then
    sudo_cmd=()
    [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends librsvg2-bin >/dev/null
fi
for svg in "$root"/packaging/icons/*.svg; do
    name="$(basename "$svg" .svg)"
    for size in 48 64 128 256; do
        rsvg-convert -w "$size" -h "$size" "$svg" -o "$root/packaging/icons/$name-$size.png"
    done
done
