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
tool="$build/cli/vantrelle-replace"
[ -x "$tool" ] || { echo "$me: $tool is missing; build it first" >&2; exit 2; }
[ -f "$corpus" ] || { echo "$me: $corpus was not found; give one with --corpus FILE" >&2; exit 2; }
need_positive count repeat

work=$(mktemp -d /tmp/vantrelle-fit-XXXXXX)
trap 'rm -rf "$work"' EXIT
mkdir "$work/src"
(cd "$work/src" && seq -f "%05g.pub" 1 "$count" | xargs sh -c 'tee "$@" < "$0" > /dev/null' "$corpus")

now() { date +%s.%N; }
for _ in $(seq 1 "$repeat"); do
  for kind in grows_on grows_off same_on same_off; do
    case $kind in
      grows_*) pair="--pair text textual-and-more-text" ;;
      same_*) pair="--pair text txet" ;;
    esac
    case $kind in *_off) flags=--no-fit-check ;; *) flags= ;; esac
    rm -rf "$work/out"; mkdir "$work/out"; sync
    start=$(now)
    # shellcheck disable=SC2086
    "$tool" $flags $pair --quiet --jobs 1 --out-dir "$work/out" "$work/src" > /dev/null
    took=$(awk -v a="$(now)" -v b="$start" 'BEGIN { printf "%.3f", a - b }')
    eval "best=\${best_$kind:-}"
    if [ -z "$best" ] || awk -v a="$took" -v b="$best" 'BEGIN { exit !(a < b) }'; then
      eval "best_$kind=$took"
    fi
  done
done

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
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
