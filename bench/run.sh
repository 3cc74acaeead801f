#!/bin/sh
# The scan benchmark in one command: builds the release configuration, generates the
# corpora in a temporary folder (removed afterwards) and prints the figures side by side.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
cmake --preset release >/dev/null
cmake --build --preset release -j 2 --target gen_corpus scan_bench >/dev/null
bin="$root/build/release/bench"

work=$(mktemp -d "${TMPDIR:-/tmp}/quillon-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
trap 'exit 1' INT TERM
echo "generating the corpora in $work ..."
"$bin/gen_corpus" lines 1073741824 "$work/corpus.txt"
"$bin/gen_corpus" lines 134217728 "$work/corpus-start.txt"
"$bin/gen_corpus" no-line-end 268435456 "$work/no-line-end.txt"
# Read every file once, so that all measurements start from the page cache.
cat "$work/corpus.txt" "$work/corpus-start.txt" "$work/no-line-end.txt" >/dev/null

"$bin/scan_bench" "$root/bench/keywords30.txt" "$work/corpus.txt" "$work/no-line-end.txt" \
  "$work/corpus-start.txt" "$work"
