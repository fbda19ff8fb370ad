#!/usr/bin/env bash
# A bounded fuzz run of the note-string parser and stream builder: a separate clang build
# with libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer. Fails on any crash, hang,
# leak or broken invariant.
#   FUZZ_SECONDS=60 (default) sets how long it runs.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="${BEATWISE_FUZZ_BUILD_DIR:-$root/build-fuzz}"
seconds="${FUZZ_SECONDS:-60}"

if [ ! -f "$build_dir/build.ninja" ]; then
    CC=clang CXX=clang++ cmake -S "$root" -B "$build_dir" -G Ninja \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBEATWISE_FUZZ=ON >/dev/null
fi
if ! output="$(cmake --build "$build_dir" --target note_string_fuzzer 2>&1)"; then
    echo "$output" >&2
    exit 1
fi

corpus="$build_dir/corpus/note_string"
artifacts="$build_dir/artifacts/"
mkdir -p "$corpus" "$artifacts"
cp -n "$root/fuzz/seeds/"* "$corpus/" 2>/dev/null || true

echo "Fuzzing the note-string parser for ${seconds} s"
"$build_dir/fuzz/note_string_fuzzer" "$corpus" \
    -dict="$root/fuzz/note_string.dict" \
    -max_total_time="$seconds" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$artifacts" -print_final_stats=1 2>"$build_dir/fuzz.log" || {
    status=$?
    tail -n 60 "$build_dir/fuzz.log" >&2
    echo "The fuzz run failed (status $status); the input is in $artifacts" >&2
    exit 1
}
grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb|Done )' "$build_dir/fuzz.log" || true
