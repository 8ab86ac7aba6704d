# Sourced by the benchmark scripts beside it: where the repository and the
# build are, the options they share, and the checks of their numbers.
# Afterwards: me (the script's name), repo, build, corpus_dir.
me=$(basename "$0")
repo=$(cd "$(dirname "$0")/../.." && pwd)
build="$repo/build"
corpus_dir="${VANTRELLE_CORPUS_DIR:-$repo/../shared/corpus}"

# parse_options "build corpus count ..." ARGS...: the options the script
# takes, each --NAME VALUE into the variable NAME, --window as window=yes.
parse_options() {
  allowed=" $1 "
  shift
  while [ $# -gt 0 ]; do
    name=${1#--}
    case "$allowed" in
      *" $name "*) ;;
      *) echo "$me: unknown argument $1 (see the top of this script)" >&2; exit 2 ;;
    esac
    if [ "$name" = window ]; then
      window=yes
      shift
    else
      [ $# -ge 2 ] || { echo "$me: $1 needs a value" >&2; exit 2; }
      eval "$name=\$2"
      shift 2
    fi
  done
}

# need_positive NAME...: each named option a positive whole number.
need_positive() {
  for name in "$@"; do
    eval "value=\$$name"
    case "$value" in
      *[!0-9]* | '' | 0) echo "$me: --$name needs a positive number" >&2; exit 2 ;;
    esac
  done
}

# time_best KIND COMMAND...: runs COMMAND into an empty "$work/out" and keeps
# the best time of the runs of KIND in best_KIND.
time_best() {
  kind=$1
  shift
  rm -rf "$work/out"; mkdir "$work/out"; sync
  start=$(date +%s.%N)
  "$@" > /dev/null
  took=$(awk -v a="$(date +%s.%N)" -v b="$start" 'BEGIN { printf "%.3f", a - b }')
  eval "best=\${best_$kind:-}"
  if [ -z "$best" ] || awk -v a="$took" -v b="$best" 'BEGIN { exit !(a < b) }'; then
    eval "best_$kind=$took"
  fi
}

# ratio A B: A / B to two places.
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

# copies_of_corpus NAME: checks the tool and the corpus file, then sets tool
# and work, a folder removed on exit with "$count" copies of "$corpus" in
# "$work/src".
copies_of_corpus() {
  tool="$build/cli/vantrelle-replace"
  [ -x "$tool" ] || { echo "$me: $tool is missing; build it first" >&2; exit 2; }
  [ -f "$corpus" ] || { echo "$me: $corpus was not found; give one with --corpus FILE" >&2; exit 2; }
  need_positive count repeat
  work=$(mktemp -d "/tmp/vantrelle-$1-XXXXXX")
  trap 'rm -rf "$work"' EXIT
  mkdir "$work/src"
  (cd "$work/src" && seq -f "%05g.pub" 1 "$count" | xargs sh -c 'tee "$@" < "$0" > /dev/null' "$corpus")
}
