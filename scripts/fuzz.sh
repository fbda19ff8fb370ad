#!/usr/bin/env bash
# Bounded fuzz runs, in a separate clang build with libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer: the note-string parser and stream builder, then the SoundFont
# reader and its views. Fails on any crash, hang, leak or broken invariant.
#   FUZZ_SECONDS=60 (default) sets how long each runs.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="${BEATWISE_FUZZ_BUILD_DIR:-$root/build-fuzz}"
seconds="${FUZZ_SECONDS:-60}"

if [ ! -f "$build_dir/build.ninja" ]; then
    CC=clang CXX=clang++ cmake -S "$root" -B "$build_dir" -G Ninja \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBEATWISE_FUZZ=ON >/dev/null
fi
if ! output="$(cmake --build "$build_dir" --target note_string_fuzzer soundfont_fuzzer 2>&1)"; then
    echo "$output" >&2
    exit 1
fi

# fuzz NAME WHAT SEEDS MAX_LEN [libFuzzer options]
fuzz() {
    local name="$1" what="$2" seeds="$3" max_len="$4"
    shift 4
    local corpus="$build_dir/corpus/$name"
    local artifacts="$build_dir/artifacts/$name/"
    mkdir -p "$corpus" "$artifacts"
    cp -n "$seeds/"* "$corpus/" 2>/dev/null || true
    echo "Fuzzing $what for ${seconds} s"
    "$build_dir/fuzz/${name}_fuzzer" "$corpus" "$@" \
        -max_total_time="$seconds" -max_len="$max_len" -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="$artifacts" -print_final_stats=1 2>"$build_dir/$name.log" || {
        status=$?
        tail -n 60 "$build_dir/$name.log" >&2
        echo "The fuzz run failed (status $status); the input is in $artifacts" >&2
        exit 1
    }
    grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb|Done )' "$build_dir/$name.log" || true
}

fuzz note_string "the note-string parser" "$root/fuzz/seeds" 4096 -dict="$root/fuzz/note_string.dict"
fuzz soundfont "the SoundFont reader and its views" "$root/fuzz/soundfont_seeds" 8192
