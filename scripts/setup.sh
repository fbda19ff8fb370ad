#!/usr/bin/env bash
# Installs what the project needs (Debian packages, the music font) and builds it.
# Idempotent and quiet when everything is already there.
#   scripts/setup.sh            packages for running, then build
#   scripts/setup.sh --tests    also the packages the tests and the fuzz run need
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="${BEATWISE_BUILD_DIR:-$root/build}"
with_tests=0
[ "${1:-}" = "--tests" ] && with_tests=1

run_packages=(
    build-essential cmake ninja-build pkg-config git ca-certificates openssl
    qt6-base-dev libgl-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    libfluidsynth-dev fluidsynth librtmidi-dev libasound2-dev libpulse-dev
    libaubio-dev qt6-multimedia-dev
    fluid-soundfont-gm
    fonts-liberation fonts-dejavu-core
    nodejs npm
)
# pipewire, pipewire-pulse, wireplumber and dbus-daemon: the audio benchmark's --pipewire.
test_packages=(googletest libgtest-dev libgmock-dev clang libclang-rt-14-dev
    desktop-file-utils appstream file pulseaudio pulseaudio-utils
    poppler-utils lintian espeak-ng
    pipewire pipewire-pulse wireplumber dbus-daemon)

packages=("${run_packages[@]}")
[ "$with_tests" = 1 ] && packages+=("${test_packages[@]}")

missing=()
for p in "${packages[@]}"; do
    # npm may come from outside Debian's archive; a working command is enough.
    if [ "$p" = npm ] && command -v npm >/dev/null 2>&1; then continue; fi
    if [ "$p" = nodejs ] && command -v node >/dev/null 2>&1; then continue; fi
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ "${#missing[@]}" -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
    export DEBIAN_FRONTEND=noninteractive
    "${sudo_cmd[@]}" apt-get update -qq
    "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

bash "$root/scripts/fetch-font.sh"

if [ ! -f "$build_dir/build.ninja" ]; then
    cmake -S "$root" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
# Ninja's progress lines are left out; warnings, errors and the result are shown.
set +e
cmake --build "$build_dir" ${BEATWISE_TARGET:+--target "$BEATWISE_TARGET"} >"$build_dir/build.log" 2>&1
status=$?
set -e
grep -v -E '^\[[0-9]+/[0-9]+\] ' "$build_dir/build.log" | grep -v '^ninja: no work to do.$' || true
exit "$status"
