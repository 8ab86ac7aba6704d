#!/bin/sh
# Times vantrelle-replace's batch form on COUNT copies of one publication
# (folders of 1,000) with one and with two jobs, its peak memory at 1,000 and
# at COUNT documents, and a floor that only reads each file, writes it to a
# temporary file, syncs it and renames it, with one and with two writers.
#
# Usage: bench-batch.sh [--build DIR] [--corpus FILE] [--count N]
#   --build DIR    a build made with -DVANTRELLE_BENCH=ON (default: build)
#   --corpus FILE  the publication to copy (default: ../shared/corpus/Sample.pub
#                  beside the repository, or $VANTRELLE_CORPUS_DIR/Sample.pub)
#   --count N      how many copies (default 10000)
#   --repeat N     runs of each measurement; the best counts (default 3)
# Needs /usr/bin/time (Debian package "time") and about 2 x N x the file's size
# of free space in /tmp.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
build="$repo/build"
corpus="${VANTRELLE_CORPUS_DIR:-$repo/../shared/corpus}/Sample.pub"
count=10000
repeat=3
while [ $# -gt 0 ]; do
  case "$1" in
    --build) build=${2:?--build needs a folder}; shift 2 ;;
    --corpus) corpus=${2:?--corpus needs a file}; shift 2 ;;
    --count) count=${2:?--count needs a number}; shift 2 ;;
    --repeat) repeat=${2:?--repeat needs a number}; shift 2 ;;
    *) echo "bench-batch.sh: unknown argument $1 (see the top of this script)" >&2; exit 2 ;;
  esac
done

tool="$build/cli/vantrelle-replace"
floor="$build/cli/bench/vantrelle_bench_floor"
if [ ! -f "$corpus" ]; then
  echo "bench-batch.sh: the publication to copy, $corpus, was not found; give one with --corpus FILE" >&2
  exit 2
fi
for program in "$tool" "$floor"; do
  if [ ! -x "$program" ]; then
    echo "bench-batch.sh: $program is missing; build with -DVANTRELLE_BENCH=ON and give it with --build DIR" >&2
    exit 2
  fi
done
if [ ! -x /usr/bin/time ]; then
  echo "bench-batch.sh: /usr/bin/time is missing (apt-get install time)" >&2
  exit 2
fi
for n in "$count" "$repeat"; do
  case "$n" in *[!0-9]* | '' | 0) echo "bench-batch.sh: --count and --repeat need positive numbers" >&2; exit 2 ;; esac
done
folders=$(( (count + 999) / 1000 ))

work=$(mktemp -d /tmp/vantrelle-batch-XXXXXX)
trap 'rm -rf "$work"' EXIT
echo "copying $(basename "$corpus") $count times into $work/src"
left=$count
for k in $(seq -w 1 "$folders"); do
  mkdir -p "$work/src/d$k"
  n=$(( left < 1000 ? left : 1000 ))
  left=$(( left - n ))
  # Names differ across folders, so one output folder takes them all.
  (cd "$work/src/d$k" && seq -f "d$k-%04g.pub" 1 "$n" |
    xargs sh -c 'tee "$@" < "$0" > /dev/null' "$corpus")
done
first=$(ls -d "$work"/src/d* | head -1)
find "$work/src" -name '*.pub' | sort > "$work/all.list"

# run NAME COMMAND...: timed with a fresh output folder and the disk settled,
# REPEAT times; the best wall time counts (the disk is shared and its sync
# time varies), with the CPU time of that run and the highest peak of all.
run() {
  name=$1
  shift
  best= best_cpu= peak=0
  for _ in $(seq 1 "$repeat"); do
    rm -rf "$work/out"
    mkdir "$work/out"
    sync
    /usr/bin/time -v -o "$work/$name.time" "$@" > /dev/null
    seconds=$(sed -n 's/.*Elapsed (wall clock) time.*: //p' "$work/$name.time" |
      awk -F: '{ s = 0; for (i = 1; i <= NF; i++) s = s * 60 + $i; print s }')
    cpu=$(sed -n 's/.*\(User\|System\) time (seconds): //p' "$work/$name.time" |
      awk '{ s += $1 } END { print s }')
    rss=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$work/$name.time")
    if [ -z "$best" ] || awk -v a="$seconds" -v b="$best" 'BEGIN { exit !(a < b) }'; then
      best=$seconds best_cpu=$cpu
    fi
    [ "$rss" -gt "$peak" ] && peak=$rss
  done
  written=$(find "$work/out" -type f | wc -l)
  printf '%-16s %8.2f s wall %8.2f s cpu %8d KiB peak %6d files\n' \
    "$name" "$best" "$best_cpu" "$peak" "$written"
  eval "seconds_$name=$best rss_$name=$peak"
}

echo "documents: $count ($(stat -c %s "$corpus") bytes each), processors: $(nproc), best of $repeat"
set -- --pair page leaf --out-dir "$work/out" --quiet
run tool_jobs1 "$tool" "$@" --jobs 1 "$work/src"
run tool_jobs2 "$tool" "$@" --jobs 2 "$work/src"
run tool_jobs2_1000 "$tool" "$@" --jobs 2 "$first"
run floor_writers1 "$floor" 1 "$work/out" "$work/all.list"
run floor_writers2 "$floor" 2 "$work/out" "$work/all.list"
# The same with the temporary file the tool's saves use (QSaveFile: O_TMPFILE,
# then linked in), to tell the save primitive's cost from the tool's own.
run floor_unnamed2 "$floor" --unnamed 2 "$work/out" "$work/all.list"

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }'; }
echo "speed-up, 2 jobs over 1:              $(ratio "$seconds_tool_jobs1" "$seconds_tool_jobs2")x"
echo "2 jobs over the floor with 2 writers: $(ratio "$seconds_tool_jobs2" "$seconds_floor_writers2")x"
echo "2 jobs over the unnamed-file floor:    $(ratio "$seconds_tool_jobs2" "$seconds_floor_unnamed2")x"
echo "floor, 1 writer over 2:               $(ratio "$seconds_floor_writers1" "$seconds_floor_writers2")x"
echo "peak memory, $count over 1,000 documents: $(ratio "$rss_tool_jobs2" "$rss_tool_jobs2_1000")x"
