#!/bin/sh
# Times vantrelle-replace over COUNT copies of one publication with the same
# pairs matched three ways: plain text, whole words, regular expressions. The
# runs alternate, so the disk and the machine's load weigh on each alike; the
# best of REPEAT counts. Whole words and regular expressions should stay
# within 1.5x of the plain run; the script says so and exits 1 when not.
#
# Usage: bench-matching.sh [--build DIR] [--corpus FILE] [--count N] [--repeat N]
#   --build DIR    a build with vantrelle-replace (default: build)
#   --corpus FILE  the publication to copy (default: 60685.pub of the corpus
#                  beside the repository, or of $VANTRELLE_CORPUS_DIR)
#   --count N      how many copies (default 1000)
#   --repeat N     rounds of the three runs (default 3)
set -eu

. "$(dirname "$0")/options.sh"
corpus="$corpus_dir/60685.pub"
count=1000
repeat=3
parse_options "build corpus count repeat" "$@"
copies_of_corpus matching

pairs="--pair the THE --pair and AND --pair page leaf"
best_plain= best_whole= best_regex=
for _ in $(seq 1 "$repeat"); do
  for kind in plain whole regex; do
    case $kind in plain) flags= ;; whole) flags=--whole-word ;; regex) flags=--regex ;; esac
    # shellcheck disable=SC2086
    time_best "$kind" "$tool" $flags $pairs --quiet --jobs 1 --out-dir "$work/out" "$work/src"
  done
done

echo "documents: $count copies of $(basename "$corpus"), one job, best of $repeat"
echo "plain:               $best_plain s"
echo "whole words:         $best_whole s  ($(ratio "$best_whole" "$best_plain")x plain)"
echo "regular expressions: $best_regex s  ($(ratio "$best_regex" "$best_plain")x plain)"
if awk -v w="$best_whole" -v r="$best_regex" -v p="$best_plain" 'BEGIN { exit !(w > 1.5 * p || r > 1.5 * p) }'; then
  echo "slower than 1.5x the plain run" >&2
  exit 1
fi
