#!/usr/bin/env bash
# Builds the MIDI service's tests with ThreadSanitizer in their own build folder and runs
# them: the audio thread, the timing threads and the UI thread must share nothing but the
# lock-free queues and atomics. Qt itself is not instrumented; tsan.supp lists the few
# reports from inside it.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="${BEATWISE_TSAN_BUILD_DIR:-${BEATWISE_BUILD_DIR:-$root/build}-tsan}"
# The sound-server test is left out: libpulse is not instrumented either, and its own locking
# shows up as races.
tests=(midi_stream_test midi_render_test midi_audio_file_test midi_no_audio_test
       midi_no_soundfont_test midi_queue_full_test midi_preset_test midi_fluid_log_test)

if [ ! -f "$build_dir/build.ninja" ]; then
    cmake -S "$root" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
        -DCMAKE_CXX_FLAGS="-fsanitize=thread -O1 -g" \
        -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=thread" \
        -DCMAKE_MODULE_LINKER_FLAGS="-fsanitize=thread" >/dev/null
fi
cmake --build "$build_dir" -j2 --target "${tests[@]}" >"$build_dir/build.log" 2>&1 || {
    grep -v -E '^\[[0-9]+/[0-9]+\] ' "$build_dir/build.log"
    exit 1
}

export TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 suppressions=$root/scripts/tsan.supp"
export QT_QPA_PLATFORM=offscreen
# ThreadSanitizer needs the address layout it knows; newer kernels randomise more widely.
run=()
if command -v setarch >/dev/null 2>&1 && setarch "$(uname -m)" -R true 2>/dev/null; then
    run=(setarch "$(uname -m)" -R)
fi
status=0
for test in "${tests[@]}"; do
    if "${run[@]}" "$build_dir/tests/midi/$test" --gtest_brief=1 >"$build_dir/$test.log" 2>&1; then
        echo "tsan: $test passed"
    else
        echo "tsan: $test FAILED"
        tail -60 "$build_dir/$test.log"
        status=1
    fi
done
exit "$status"
