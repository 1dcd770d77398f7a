#!/usr/bin/env bash
# Builds the job-document fuzz target with clang into build-fuzz/ and runs it.
#   tools/fuzz.sh [seconds] [extra libFuzzer options...]      (default: 60 seconds)
# The seeds in tests/fuzz/corpus and tests/fuzz/regressions are copied into
# build-fuzz/fuzz-corpus, which grows across runs. A crashing or slow input lands in
# build-fuzz/fuzz-findings/; keep it under tests/fuzz/regressions/ once understood.
# Reproduce one input: build-fuzz/bin/fuzz_jobdocument <file>
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
seconds=${1:-60}
[ $# -gt 0 ] && shift
build=$root/build-fuzz

# libFuzzer and the sanitizer runtimes come with clang's runtime package.
probe=$(mktemp -d)
trap 'rm -rf "$probe"' EXIT
echo 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char *, unsigned long) { return 0; }' \
    > "$probe/probe.cpp"
if ! clang++ -fsanitize=fuzzer,address,undefined "$probe/probe.cpp" -o "$probe/probe" \
        >/dev/null 2>&1; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
        clang libclang-rt-14-dev
fi

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQUENDRASIL_FUZZ=ON > /dev/null
cmake --build "$build" --parallel "$(nproc)" --target fuzz_jobdocument

mkdir -p "$build/fuzz-corpus" "$build/fuzz-findings"
cp tests/fuzz/corpus/* "$build/fuzz-corpus/"
cp tests/fuzz/regressions/* "$build/fuzz-corpus/" 2>/dev/null || true

# Tokens of the document format help the mutator past the names the reader compares.
dictionary=$build/jobdocument.dict
cat > "$dictionary" <<'TOKENS'
"<?xml version=\"1.0\" encoding=\"utf-16\"?>"
"<Project Version=\"3\">"
"</Project>"
"<Profile Version=\"3\">"
"</Profile>"
"<Script Version=\"3\">"
"</Script>"
" Mode=\"Silent\""
" Mode=\"Edit Script\""
"<Images>"
"</Images>"
"<Image Path=\""
"<Search Path=\""
" Subfolders=\"1\""
"in\\*.jpg"
"<Filters>"
"</Filters>"
"<Filter Id=\""
" Active=\"0\""
"</Filter>"
"<Param Type=\"float\">"
"<Param Type=\"string\">"
"</Param>"
"<Properties Class=\""
"</Properties>"
"<Property Name=\""
"</Property>"
"Rename"
"Output"
"Format"
"Interface"
"Monitor"
"CommandId"
"FilenameFormat"
"DestPath"
"OutputFormat"
"Lossless"
"Original"
"&amp;"
"&lt;"
"&#9;"
"&#13;"
"\"/>"
"\\"
"4010"
"1100"
"5040"
TOKENS

export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
"$build/bin/fuzz_jobdocument" "$build/fuzz-corpus" -dict="$dictionary" \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 -max_len=16384 \
    -artifact_prefix="$build/fuzz-findings/" -print_final_stats=1 "$@"
