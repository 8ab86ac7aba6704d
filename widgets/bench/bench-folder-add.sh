#!/bin/sh
# Builds a tree of 100,000 files (1,000 folders in three levels, 100 files
# each) and times a whole-folder add against find listing the same tree.
# Usage: bench-folder-add.sh BUILD_DIR [FILES_PER_FOLDER]
set -eu
build=${1:?build directory}
per=${2:-100}
driver="$build/widgets/bench/doclist_bench_folder_add"
tree=$(mktemp -d /tmp/vantrelle-bench-XXXXXX)
trap 'rm -rf "$tree"' EXIT

echo "building tree in $tree"
for a in $(seq 1 10); do
  for b in $(seq 1 10); do
    for c in $(seq 1 10); do
      d="$tree/a$a/b$b/c$c"
      mkdir -p "$d"
      (cd "$d" && seq 1 "$per" | sed 's/$/.pub/' | xargs touch)
    done
  done
done

# Warm the cache once for both.
find "$tree" -type f > /dev/null

best() { sort -n | head -1; }
find_s=$(for i in 1 2 3; do
  s=$(date +%s.%N); find "$tree" -type f > /dev/null; e=$(date +%s.%N)
  echo "$e - $s" | bc
done | best)
echo "find: ${find_s}s"

add_s=$(for i in 1 2 3; do
  out=$(QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$driver" "$tree" "*.pub" 2>/dev/null)
  echo "  $out" >&2
  echo "$out" | sed 's/.*seconds \([0-9.]*\).*/\1/'
done | best)
echo "folder add: ${add_s}s"
echo "ratio: $(echo "scale=2; $add_s / $find_s" | bc)"
