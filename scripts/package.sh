#!/usr/bin/env bash
# Builds the Debian package beatwise-tonewise_<version>_amd64.deb into the build folder.
#   scripts/package.sh           set up (when needed), build the programs and make the package
#   scripts/package.sh --check   also install the package into a clean Debian 12 root and start
#                                both programs there, offscreen, each saving a picture of its
#                                window, and qor-results; fails if either picture is missing or
#                                qor-results does not start
# The clean root is made once with debootstrap from the Debian archive this machine's apt uses
# and kept under /var/cache/beatwise-tonewise; every check works on a fresh copy of it.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="${BEATWISE_BUILD_DIR:-$root/build}"
check=0
[ "${1:-}" = "--check" ] && check=1

as_root=()
[ "$(id -u)" -ne 0 ] && as_root=(sudo)

install_missing() {
    local missing=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$p")
    done
    if [ "${#missing[@]}" -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        export DEBIAN_FRONTEND=noninteractive
        "${as_root[@]}" apt-get update -qq
        "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
    fi
}

# --- the package -------------------------------------------------------------------------------
BEATWISE_TARGET=beatwise bash "$root/scripts/setup.sh" --tests
cmake --build "$build_dir" --target tonewise midigen qor-results manpages changelog \
    >"$build_dir/package-build.log" 2>&1 || {
    cat "$build_dir/package-build.log" >&2
    exit 1
}
package_dir="$build_dir/package"
rm -rf "$package_dir"
(cd "$build_dir" && cpack -G DEB -B "$package_dir" >"$build_dir/cpack.log" 2>&1) || {
    cat "$build_dir/cpack.log" >&2
    exit 1
}
rm -rf "$package_dir/_CPack_Packages"
deb="$(ls "$package_dir"/beatwise-tonewise_*_amd64.deb)"
echo "Package: $deb"
dpkg-deb -f "$deb" Depends | sed 's/^/Depends: /'

[ "$check" = 1 ] || exit 0

# --- the check in a clean Debian 12 root ------------------------------------------------------
install_missing debootstrap

# The archive this machine installs from, as its apt sources name it.
archive_uri() {
    local uri=""
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
        uri="$(awk '/^URIs:/ { print $2; exit }' /etc/apt/sources.list.d/debian.sources)"
    fi
    if [ -z "$uri" ] && [ -f /etc/apt/sources.list ]; then
        uri="$(awk '$1 == "deb" && $0 !~ /security/ { print $2; exit }' /etc/apt/sources.list)"
    fi
    [ -n "$uri" ] || { echo "No Debian archive found in the apt sources." >&2; return 1; }
    echo "$uri"
}

cache_dir=/var/cache/beatwise-tonewise
clean_root="$cache_dir/bookworm"
if [ ! -x "$clean_root/usr/bin/apt-get" ]; then
    echo "Making a clean Debian 12 root in $clean_root (once)"
    "${as_root[@]}" mkdir -p "$cache_dir"
    "${as_root[@]}" rm -rf "$clean_root.tmp"
    "${as_root[@]}" debootstrap --variant=minbase bookworm "$clean_root.tmp" "$(archive_uri)" \
        >"$build_dir/debootstrap.log" 2>&1 || {
        tail -20 "$build_dir/debootstrap.log" >&2
        exit 1
    }
    "${as_root[@]}" mv "$clean_root.tmp" "$clean_root"
fi

work="$(mktemp -d /var/tmp/beatwise-tonewise-check.XXXXXX)"
chroot_dir="$work/root"
cleanup() {
    for m in var/cache/apt/archives dev/pts dev proc sys; do
        mountpoint -q "$chroot_dir/$m" 2>/dev/null && "${as_root[@]}" umount -l "$chroot_dir/$m"
    done
    "${as_root[@]}" rm -rf "$work"
}
trap cleanup EXIT

"${as_root[@]}" cp -a "$clean_root" "$chroot_dir"
# The same archive and suites as this machine, so that the package meets the library versions
# it was built against.
for f in /etc/apt/sources.list /etc/apt/sources.list.d/debian.sources; do
    [ -f "$f" ] && "${as_root[@]}" cp "$f" "$chroot_dir$f"
done
"${as_root[@]}" cp /etc/resolv.conf "$chroot_dir/etc/resolv.conf"
"${as_root[@]}" mount -t proc proc "$chroot_dir/proc"
"${as_root[@]}" mount -t sysfs sys "$chroot_dir/sys"
"${as_root[@]}" mount --bind /dev "$chroot_dir/dev"
"${as_root[@]}" mount --bind /dev/pts "$chroot_dir/dev/pts"
# The packages apt downloads are kept for the next check.
"${as_root[@]}" mkdir -p "$cache_dir/archives/partial"
"${as_root[@]}" mount --bind "$cache_dir/archives" "$chroot_dir/var/cache/apt/archives"

in_root() { "${as_root[@]}" chroot "$chroot_dir" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin \
    HOME=/root LANG=C.UTF-8 DEBIAN_FRONTEND=noninteractive "$@"; }

"${as_root[@]}" cp "$deb" "$chroot_dir/tmp/"
"${as_root[@]}" cp "$root/tests/tonewise_window/screens/1280x800.json" "$chroot_dir/tmp/screen.json"
echo "Installing $(basename "$deb") into a clean Debian 12 root"
in_root apt-get update -qq >"$build_dir/check-install.log" 2>&1
if ! in_root apt-get install -y --no-install-recommends "/tmp/$(basename "$deb")" \
    >>"$build_dir/check-install.log" 2>&1; then
    tail -30 "$build_dir/check-install.log" >&2
    exit 1
fi
grep -E '^(Setting up|Unpacking) beatwise-tonewise' "$build_dir/check-install.log" || true

status=0
# Each program as installed, and once more in another language of the system locale.
for run in "beatwise" "tonewise" "tonewise LANG=es_ES.UTF-8"; do
    read -r program locale <<<"$run"
    name="$program${locale:+-${locale%%_*}}"
    name="${name/LANG=/}"
    picture="/tmp/$name.png"
    in_root sh -c "mkdir -p /tmp/home && HOME=/tmp/home $locale \
        QT_QPA_PLATFORM=offscreen:configfile=/tmp/screen.json \
        timeout 120 $program --screenshot $picture" >"$build_dir/check-$name.log" 2>&1 || true
    if [ -s "$chroot_dir$picture" ] &&
        [ "$(head -c 8 "$chroot_dir$picture" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ]; then
        cp "$chroot_dir$picture" "$package_dir/$name-installed.png"
        echo "$program${locale:+ ($locale)}: started from the package, picture $package_dir/$name-installed.png"
    else
        echo "$program${locale:+ ($locale)}: no picture of its window; its output:" >&2
        cat "$build_dir/check-$name.log" >&2
        status=1
    fi
done
for id in org.beatwise.Beatwise org.beatwise.Tonewise; do
    desktop="$chroot_dir/usr/share/applications/$id.desktop"
    exec_name="$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop" 2>/dev/null)"
    if [ -z "$exec_name" ] || ! in_root sh -c "command -v $exec_name" >/dev/null; then
        echo "$id: no menu entry whose program is installed" >&2
        status=1
    fi
done
# The teachers' tool, as installed.
if version="$(in_root qor-results --version 2>&1)" && [ "${version%% *}" = qor-results ]; then
    echo "qor-results: started from the package ($version)"
else
    echo "qor-results: did not start from the package: $version" >&2
    status=1
fi
[ "$status" = 0 ] && echo "Package check passed."
exit "$status"
