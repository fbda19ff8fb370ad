#!/usr/bin/env bash
# Fetches the Bravura music font (SIL Open Font License) from the npm registry at a pinned
# version, checks its integrity and unpacks the font, its metadata and its licence into
# third_party/bravura. Nothing is fetched at run time: the programs embed these files.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
dest="$root/third_party/bravura"
package="@vexflow-fonts/bravura"
version="1.0.2"
integrity="sha512-n3KC5hpv1CEoZCbMJ43WeUq71cIIycOUlWe2RU5OOIIKrQ9V8n0KV8v/oX/MDHokTXvUyTo4vJ2dsoMyMBeg4w=="

if [ -f "$dest/.version" ] && [ "$(cat "$dest/.version")" = "$version $integrity" ]; then
    exit 0
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
(cd "$work" && npm pack --silent "$package@$version" >/dev/null 2>&1) || {
    echo "Could not fetch $package@$version from the npm registry." >&2
    exit 1
}
tarball="$(ls "$work"/*.tgz)"
actual="sha512-$(openssl dgst -sha512 -binary "$tarball" | base64 -w0)"
if [ "$actual" != "$integrity" ]; then
    echo "Integrity check failed for $package@$version: got $actual" >&2
    exit 1
fi
tar -xzf "$tarball" -C "$work"
mkdir -p "$dest"
cp "$work/package/bravura.otf" "$work/package/metadata.json" "$work/package/LICENSE.txt" "$dest/"
echo "$version $integrity" >"$dest/.version"
