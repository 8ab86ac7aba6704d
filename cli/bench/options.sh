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
