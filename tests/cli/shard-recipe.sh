#!/bin/sh
# Runs the GNU parallel recipe of docs/tool.md on this machine alone (":" as the only
# host, two names a shard) over a folder of publications, and checks that the
# merged JSON lines equal one run's report over the same list.
# Usage: shard-recipe.sh TOOL DOC CORPUS
set -eu
tool=$1 readme=$2 corpus=$3
if ! command -v parallel > /dev/null; then
  echo "GNU parallel is not installed (package parallel); skipped"
  exit 77
fi
if [ ! -f "$corpus/Sample.pub" ]; then
  echo "corpus not found at $corpus; skipped"
  exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/bin"
ln -s "$tool" "$work/bin/vantrelle-replace"
for side in sharded single; do
  mkdir -p "$work/$side/srv/flyers/a"
  for f in Sample Sample2 Sample3 Simple 60685; do cp "$corpus/$f.pub" "$work/$side/srv/flyers/"; done
  cp "$corpus/Sample4.pub" "$corpus/LinkAt10.pub" "$work/$side/srv/flyers/a/"
done

# The recipe as the page gives it, with this machine as the only host.
recipe=$(awk '/^With GNU parallel/ { on = 1 } on && /^```sh/ { getline; while ($0 != "```") { print; getline } exit }' "$readme")
[ -n "$recipe" ] || { echo "no GNU parallel recipe found in $readme"; exit 1; }
recipe=$(printf '%s\n' "$recipe" | sed -e 's/--sshlogin :,host2,host3/--sshlogin :/' -e 's/-N500/-N2/' \
  -e 's|/srv/flyers|srv/flyers|g' -e 's/"555-0100" "555-0199"/page leaf/')
(cd "$work/sharded" && PATH="$work/bin:$PATH" HOME="$work" sh -c "$recipe") || true
test -s "$work/sharded/shards.log"

(cd "$work/single" && find srv/flyers -name '*.pub' | sort > files.txt &&
  xargs -d '\n' "$work/bin/vantrelle-replace" --pair page leaf --beside --report - < files.txt > report.jsonl) || true

same() { sed -e "s|$work/[a-z]*/||g" -e 's/"milliseconds":[0-9]*/"milliseconds":0/' "$1"; }
same "$work/sharded/report.jsonl" > "$work/a.txt"
same "$work/single/report.jsonl" > "$work/b.txt"
lines=$(wc -l < "$work/a.txt")
if [ "$lines" -ne 7 ] || ! cmp -s "$work/a.txt" "$work/b.txt"; then
  echo "the merged shards' report ($lines lines) differs from one run's:"
  diff "$work/a.txt" "$work/b.txt" || true
  exit 1
fi
echo "7 documents in $(($(wc -l < "$work/sharded/shards.log") - 1)) shards: the merged report equals one run's"
