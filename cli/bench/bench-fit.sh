#!/bin/sh
# Times vantrelle-replace over COUNT copies of one publication with and
# without the fit check (--no-fit-check), once with a pair that makes a story
# longer and once with one of the same length. The runs alternate, so the
# disk and the machine's load weigh on each alike; the best of REPEAT counts.
# The check should cost at most 20 % where text grows and nothing measurable
# (under 5 %) where none grows; the script says so and exits 1 when not.
#
# Usage: bench-fit.sh [--build DIR] [--corpus FILE] [--count N] [--repeat N]
#   --build DIR    a build with vantrelle-replace (default: build)
#   --corpus FILE  the publication to copy (default: Sample.pub of the corpus
#                  beside the repository, or of $VANTRELLE_CORPUS_DIR)
#   --count N      how many copies (default 500)
#   --repeat N     rounds of the four runs (default 3)
set -eu

. "$(dirname "$0")/options.sh"
corpus="$corpus_dir/Sample.pub"
count=500
repeat=3
parse_options "build corpus count repeat" "$@"
copies_of_corpus fit

for _ in $(seq 1 "$repeat"); do
  for kind in grows_on grows_off same_on same_off; do
    case $kind in
      grows_*) find=text replacement=textual-and-more-text ;;
      same_*) find=text replacement=txet ;;
    esac
    case $kind in *_off) flags=--no-fit-check ;; *) flags= ;; esac
    # shellcheck disable=SC2086
    time_best "$kind" "$tool" $flags --pair "$find" "$replacement" --quiet --jobs 1 \
      --out-dir "$work/out" "$work/src"
  done
done

echo "documents: $count copies of $(basename "$corpus"), one job, best of $repeat"
echo "text grows, no check:     $best_grows_off s"
echo "text grows, fit check:    $best_grows_on s  ($(ratio "$best_grows_on" "$best_grows_off")x)"
echo "same length, no check:    $best_same_off s"
echo "same length, fit check:   $best_same_on s  ($(ratio "$best_same_on" "$best_same_off")x)"
if awk -v a="$best_grows_on" -v b="$best_grows_off" -v c="$best_same_on" -v d="$best_same_off" \
     'BEGIN { exit !(a > 1.2 * b || c > 1.05 * d) }'; then
  echo "the fit check costs more than 20 % where text grows or 5 % where none does" >&2
  exit 1
fi
