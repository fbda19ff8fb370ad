#!/usr/bin/env bash
# check-package.sh SOURCE_DIR BUILD_DIR WORK_DIR
# Validates the menu entries and AppStream metainfo, makes the Debian package with CPack into
# WORK_DIR and checks its control fields, its files, its copyright file and changelog, the manual
# pages, and (where it is installed) what lintian finds.
set -euo pipefail
source_dir="$1"
build_dir="$2"
work="$3"
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

for tool in desktop-file-validate appstreamcli dpkg-deb dpkg-shlibdeps file objdump cpack; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed" >&2; exit 1; }
done

for id in org.beatwise.Beatwise org.beatwise.Tonewise; do
    desktop="$source_dir/packaging/$id.desktop"
    desktop-file-validate "$desktop" || fail "$id.desktop does not validate"
    grep -qx 'Categories=Education;Music;' "$desktop" || fail "$id.desktop: not in Education;Music"
    # A menu entry translated into a language finds the program by that language's words too.
    for language in $(sed -n 's/^GenericName\[\(.*\)\]=.*/\1/p' "$desktop"); do
        for key in Comment Keywords; do
            grep -q "^$key\[$language\]=" "$desktop" || fail "$id.desktop: no $key[$language]"
        done
    done
    appstreamcli validate --no-net "$source_dir/packaging/$id.metainfo.xml" >"$work.log" 2>&1 ||
        { cat "$work.log" >&2; fail "$id.metainfo.xml does not validate"; }
done

rm -rf "$work"
mkdir -p "$work"
if ! cpack --config "$build_dir/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log" >&2
    echo "FAIL: cpack could not make the package" >&2
    exit 1
fi
debs=("$work"/beatwise-tonewise_*_amd64.deb)
[ "${#debs[@]}" = 1 ] && [ -f "${debs[0]}" ] || { echo "FAIL: no single .deb in $work" >&2; exit 1; }
deb="${debs[0]}"

[ "$(dpkg-deb -f "$deb" Package)" = beatwise-tonewise ] || fail "package name"
[ "$(dpkg-deb -f "$deb" Architecture)" = amd64 ] || fail "architecture"
depends="$(dpkg-deb -f "$deb" Depends)"
# Linked libraries (found by dpkg-shlibdeps) and what is loaded at run time.
for needed in libqt6core6 libqt6gui6 libqt6widgets6 libqt6multimedia6 libaubio5 libfluidsynth3 \
    libpulse0 librtmidi6 libstdc++6 \
    qt6-qpa-plugins fluid-soundfont-gm qt6-translations-l10n fonts-liberation fonts-dejavu-core; do
    grep -Fqx "$needed" <<<"$(tr ',' '\n' <<<"$depends" | sed 's/^ *//; s/ .*//')" ||
        fail "Depends lacks $needed: $depends"
done

contents="$(dpkg-deb -c "$deb" | awk '{ print $6 }')"
expect_file() {
    # A here-string, not a pipe: grep -q stops at its first match, and under pipefail the
    # writer's broken pipe would count as a missing file.
    grep -qx "\./$1" <<<"$contents" || fail "the package lacks /$1"
}
for program in beatwise tonewise midigen qor-results; do
    expect_file "usr/bin/$program"
    expect_file "usr/share/man/man1/$program.1.gz"
done
# The sound and microphone modules, where the programs look for them.
expect_file "usr/lib/beatwise-tonewise/modules/libmidi_backend.so"
expect_file "usr/lib/beatwise-tonewise/modules/liblistening_backend.so"
for id in org.beatwise.Beatwise org.beatwise.Tonewise; do
    expect_file "usr/share/applications/$id.desktop"
    expect_file "usr/share/metainfo/$id.metainfo.xml"
done
for program in beatwise tonewise; do
    expect_file "usr/share/icons/hicolor/scalable/apps/$program.svg"
    for size in 48 64 128 256; do
        expect_file "usr/share/icons/hicolor/${size}x${size}/apps/$program.png"
    done
done
# Each menu entry's icon and program are in the package.
for id in org.beatwise.Beatwise org.beatwise.Tonewise; do
    desktop="$source_dir/packaging/$id.desktop"
    icon="$(sed -n 's/^Icon=//p' "$desktop")"
    program="$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")"
    expect_file "usr/share/icons/hicolor/256x256/apps/$icon.png"
    expect_file "usr/bin/$program"
done
# The icons' pictures have the size their folder names.
for png in "$source_dir"/packaging/icons/*-*.png; do
    size="${png##*-}"
    size="${size%.png}"
    read -r width height < <(od -An -tu1 -j16 -N8 "$png" |
        awk '{ print $3 * 256 + $4, $7 * 256 + $8 }')
    [ "$width" = "$size" ] && [ "$height" = "$size" ] || fail "$png is ${width}x$height"
done

# Who answers for the package, what it may be used under, and what changed.
maintainer="$(dpkg-deb -f "$deb" Maintainer)"
echo "$maintainer" | grep -Eq '^[^<>]+ <[^@<> ]+@[^@<> ]+\.[a-z]+>$' ||
    fail "the maintainer has no address: $maintainer"
expect_file "usr/share/doc/beatwise-tonewise/copyright"
expect_file "usr/share/doc/beatwise-tonewise/changelog.gz"
unpacked="$work/unpacked"
dpkg-deb -x "$deb" "$unpacked"
copyright="$unpacked/usr/share/doc/beatwise-tonewise/copyright"
if [ -f "$copyright" ]; then
    head -1 "$copyright" | grep -q '^Format: .*copyright-format/1.0/' ||
        fail "the copyright file is not machine-readable"
    # Every licence named in a Files paragraph has its text in the file; the music font's is the
    # one its own package ships.
    for licence in $(sed -n 's/^License: //p' "$copyright" | tr ' ' '\n' | grep -v '^and$' | sort -u); do
        awk -v name="License: $licence" '$0 == name { getline; if (/^ /) found = 1 }
            END { exit !found }' "$copyright" || fail "no text for the licence $licence"
    done
    grep -q '^Files: third_party/bravura/\*' "$copyright" || fail "the copyright file misses the font"
    grep -q 'SIL OPEN FONT LICENSE Version 1.1' "$copyright" || fail "the font's licence text is missing"
fi
# The programs load the microphone's libraries only when the microphone is used: they do not
# link them.
for program in beatwise tonewise; do
    needed="$(objdump -p "$unpacked/usr/bin/$program" | awk '$1 == "NEEDED" { print $2 }')"
    if grep -Eq '^lib(Qt6Multimedia|aubio)' <<<"$needed"; then
        fail "$program links the microphone's libraries: $(tr '\n' ' ' <<<"$needed")"
    fi
done
changelog="$unpacked/usr/share/doc/beatwise-tonewise/changelog.gz"
if [ -f "$changelog" ]; then
    top="$(zcat "$changelog" | head -1)"
    [ "$top" = "beatwise-tonewise ($(dpkg-deb -f "$deb" Version)) unstable; urgency=medium" ] ||
        fail "the changelog does not begin with this version: $top"
fi
# The manual pages tell users and teachers about every way in (lintian checks how they format).
for program in beatwise tonewise; do
    page="$source_dir/packaging/man/$program.1"
    for mention in '\\-\\-export' '\\-\\-lang' 'qor\\-results'; do
        grep -q -- "$mention" "$page" || fail "$program.1 does not mention ${mention//\\/}"
    done
done
# Lintian, Debian's package checker, finds no error and no warning.
if command -v lintian >/dev/null; then
    lintian --fail-on error,warning "$deb" \
        >"$work/lintian.log" 2>&1 || { cat "$work/lintian.log" >&2; fail "lintian reports faults"; }
else
    echo "lintian is not installed: the package was not checked with it"
fi

rm -rf "$work/_CPack_Packages" "$unpacked"
[ "$failures" = 0 ] || exit 1
echo "Package $(basename "$deb"): metadata valid, dependencies and files as expected"
