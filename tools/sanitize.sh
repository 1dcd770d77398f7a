#!/usr/bin/env bash
# Builds everything with a sanitizer and runs the tests under it.
#   tools/sanitize.sh address   AddressSanitizer + UndefinedBehaviorSanitizer, in build-asan/,
#                               over the whole suite
#   tools/sanitize.sh thread    ThreadSanitizer, in build-tsan/, over the tests that start
#                               threads (CTest label "threads")
# Every instrumented process (tests, and the programs they start) writes its reports into
# build-<kind>/sanitizer-reports/. The last line says how many there were:
#   sanitizer <kind>: N reports in M test programs
# and the script fails when N > 0 or a test failed.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
kind=${1:-}
case "$kind" in
address)
    build=$root/build-asan
    flags="-fsanitize=address,undefined -fno-omit-frame-pointer"
    ;;
thread)
    build=$root/build-tsan
    flags="-fsanitize=thread"
    ;;
*)
    echo "usage: tools/sanitize.sh address|thread" >&2
    exit 2
    ;;
esac

bash tools/install-deps.sh
# GNU nproc honours OMP_NUM_THREADS, which is lowered below for the programs under test:
# take the core count for the build and for ctest before that.
cores=$(nproc)
reports=$build/sanitizer-reports
rm -rf "$reports"
mkdir -p "$reports"

# Leaks are not the question here (the programs keep their singletons to the end).
export ASAN_OPTIONS="detect_leaks=0:log_exe_name=1:log_path=$reports/report"
export UBSAN_OPTIONS="print_stacktrace=1:log_exe_name=1:log_path=$reports/report"
# Tests start programs through QProcess, which forks a threaded process.
export TSAN_OPTIONS="die_after_fork=0:second_deadlock_stack=1:log_exe_name=1:log_path=$reports/report:suppressions=$root/tools/tsan-suppressions.txt"
# ImageMagick's and OpenMP's own threads are not ours to check.
export MAGICK_THREAD_LIMIT=1 OMP_NUM_THREADS=1

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g" -DCMAKE_CXX_FLAGS="$flags" \
    -DCMAKE_EXE_LINKER_FLAGS="$flags" -DCMAKE_SHARED_LINKER_FLAGS="$flags" \
    -DQUENDRASIL_TCMALLOC=OFF -DQUENDRASIL_TEST_TIMEOUT=2400 > /dev/null
# The build runs instrumented tools (the help generator): their reports are not the suite's.
TSAN_OPTIONS="$TSAN_OPTIONS:exitcode=0" cmake --build "$build" --parallel "$cores"
bash tools/fetch-test-data.sh "$build/test-data"
rm -f "$reports"/report.*

selection=()
[ "$kind" = thread ] && selection=(-L threads)
status=0
(cd "$build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$cores" \
    "${selection[@]}") || status=$?

count=0
programs=0
shopt -s nullglob
declare -A seen
for file in "$reports"/report.*; do
    n=$(grep -c -E '^(WARNING: ThreadSanitizer|==[0-9]+==ERROR: (AddressSanitizer|LeakSanitizer))|runtime error:' "$file" || true)
    [ "$n" -gt 0 ] || continue
    count=$((count + n))
    # report.<program>.<pid>
    program=${file#"$reports"/report.}
    program=${program%.*}
    if [ -z "${seen[$program]:-}" ]; then
        seen[$program]=1
        programs=$((programs + 1))
    fi
done
[ "$count" -gt 0 ] && echo "Reports: $reports"
[ "$status" -ne 0 ] && echo "Some tests failed (ctest exit status $status)."
echo "sanitizer $kind: $count reports in $programs test programs"
[ "$count" -eq 0 ] && [ "$status" -eq 0 ]
