#!/bin/sh
# Times vantrelle-replace --pdf-dir with two jobs against LibreOffice alone
# converting the same publications in one call (soffice --headless
# --convert-to pdf over all of them), in the same run, each with a fresh
# profile. The publications are the corpus's, repeated up to COUNT. Fails
# when the tool is not at least 1.5 times faster.
#
# Usage: bench-pdf.sh [--build DIR] [--corpus DIR] [--count N] [--jobs N] [--repeat N]
#   --build DIR    the build holding cli/vantrelle-replace (default: build)
#   --corpus DIR   the real publications (default: ../shared/corpus beside the
#                  repository, or $VANTRELLE_CORPUS_DIR)
#   --count N      how many publications (default 50)
#   --jobs N       the tool's --jobs (default 2)
#   --repeat N     runs of each measurement; the best counts (default 1)
# Needs LibreOffice (package libreoffice-draw).
set -eu

. "$(dirname "$0")/options.sh"
corpus="$corpus_dir"
count=50
jobs=2
repeat=1
parse_options "build corpus count jobs repeat" "$@"
tool="$build/cli/vantrelle-replace"
[ -x "$tool" ] || { echo "$me: $tool is missing; build it and give the build with --build DIR" >&2; exit 2; }
command -v soffice >/dev/null || { echo "$me: soffice is missing (apt-get install libreoffice-draw)" >&2; exit 2; }
need_positive count jobs repeat

work=$(mktemp -d /tmp/vantrelle-pdf-bench-XXXXXX)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/src"
# The damaged file of the corpus is left out: neither side can convert it.
set -- $(ls "$corpus"/*.pub | grep -v bad-)
[ $# -gt 0 ] || { echo "bench-pdf.sh: no publications in $corpus" >&2; exit 2; }
i=0
while [ $i -lt "$count" ]; do
  for f in "$@"; do
    [ $i -lt "$count" ] || break
    i=$((i + 1))
    cp "$f" "$work/src/$(printf %03d $i)-$(basename "$f")"
  done
done

now() { date +%s.%N; }
best_soffice=
best_tool=
for r in $(seq 1 "$repeat"); do
  rm -rf "$work/lo" "$work/lo-profile" "$work/out" "$work/pdf"
  mkdir -p "$work/lo" "$work/out" "$work/pdf"
  t0=$(now)
  soffice "-env:UserInstallation=file://$work/lo-profile" --headless --norestore \
    --convert-to pdf --outdir "$work/lo" "$work"/src/*.pub >/dev/null 2>&1
  t1=$(now)
  "$tool" --quiet --pair "zq#never#qz" "-" --out-dir "$work/out" --pdf-dir "$work/pdf" \
    --jobs "$jobs" "$work/src"
  t2=$(now)
  lo=$(ls "$work/lo"/*.pdf | wc -l)
  ours=$(ls "$work/pdf"/*.pdf | wc -l)
  if [ "$lo" -ne "$count" ] || [ "$ours" -ne "$count" ]; then
    echo "bench-pdf.sh: PDFs made: LibreOffice alone $lo, vantrelle-replace $ours, of $count" >&2
    exit 1
  fi
  s=$(awk "BEGIN { printf \"%.2f\", $t1 - $t0 }")
  v=$(awk "BEGIN { printf \"%.2f\", $t2 - $t1 }")
  echo "run $r: soffice alone ${s} s, vantrelle-replace --jobs $jobs ${v} s"
  best_soffice=$(awk "BEGIN { b = \"$best_soffice\"; print (b == \"\" || $s < b + 0) ? $s : b }")
  best_tool=$(awk "BEGIN { b = \"$best_tool\"; print (b == \"\" || $v < b + 0) ? $v : b }")
done
ratio=$(awk "BEGIN { printf \"%.2f\", $best_soffice / $best_tool }")
echo "$count publications: soffice alone $best_soffice s, vantrelle-replace --jobs $jobs $best_tool s: ${ratio}x faster"
if awk "BEGIN { exit !($ratio < 1.5) }"; then
  echo "bench-pdf.sh: not 1.5 times faster than LibreOffice alone" >&2
  exit 1
fi
