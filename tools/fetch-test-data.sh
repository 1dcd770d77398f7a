#!/usr/bin/env bash
# Fetches the large sample files that tests use but the repository does not carry.
# Usage: tools/fetch-test-data.sh <folder>
# A sample that cannot be fetched is reported and skipped; the tests that need it skip too.
set -euo pipefail
target=${1:?folder}
mkdir -p "$target"
target=$(cd "$target" && pwd)

# A Canon EOS 30D camera RAW (IMG_5952.CR2), shipped by Debian's rawtran-doc package.
fetch_canon_cr2()
{
    local name=IMG_5952.CR2
    if [ -s "$target/$name" ]; then
        return 0
    fi
    local work
    work=$(mktemp -d)
    # Chained with && because set -e does not act inside an if condition.
    if (
        cd "$work" &&
            apt-get download rawtran-doc >download.log 2>&1 &&
            dpkg-deb -x rawtran-doc_*.deb extracted &&
            found=$(find extracted -name "$name" -type f | head -n 1) &&
            [ -n "$found" ] &&
            # A temporary name first, so an interrupted copy never looks complete.
            cp "$found" "$target/$name.part" &&
            mv "$target/$name.part" "$target/$name"
    ); then
        echo "fetch-test-data: $name ready in $target"
    else
        rm -f "$target/$name.part"
        local reason=""
        [ -s "$work/download.log" ] && reason=" ($(tail -n 1 "$work/download.log"))"
        echo "fetch-test-data: could not fetch $name from the rawtran-doc package$reason;" \
            "the camera RAW tests will be skipped"
    fi
    rm -rf "$work"
}

fetch_canon_cr2
