#!/bin/sh
# vantrelle-replace's batch form on COUNT copies of one publication (folders
# of 1,000):
# - one job against two: outputs and reports byte for byte the same;
# - two jobs against a floor that only reads each file, writes it to a
#   temporary file, syncs it and renames it with two writers, the two timed in
#   alternation, REPEAT rounds; the median of the rounds' ratios counts;
# - peak memory with a pair found hundreds of times in each document, at
#   1,000 documents, at 10,000 and at COUNT (tool, and with --window the
#   window's run through app/bench/run-bench as well); of a review's plan
#   (--dry-run --report plan.json, every change listed) at the same counts;
#   and of applying that plan (--apply), against a plain run of its pair.
#
# Usage: bench-batch.sh [--build DIR] [--corpus FILE] [--count N] [--repeat N] [--window]
#   --build DIR    a build made with -DVANTRELLE_BENCH=ON (default: build)
#   --corpus FILE  the publication to copy (default: ../shared/corpus/60685.pub
#                  beside the repository, or $VANTRELLE_CORPUS_DIR/60685.pub)
#   --count N      how many copies (default 10000; 100000 for the memory goal)
#   --repeat N     rounds of the timing (default 5)
#   --window       measure the window's peak memory too
# Copies past 10,000 are hard links, so a large COUNT needs room for the
# results only (about N x the file's size in /tmp). Needs /usr/bin/time.
set -eu

. "$(dirname "$0")/options.sh"
corpus="$corpus_dir/60685.pub"
count=10000
repeat=5
window=no
parse_options "build corpus count repeat window" "$@"
need_positive count repeat
tool="$build/cli/vantrelle-replace"
floor="$build/cli/bench/vantrelle_bench_floor"
[ -f "$corpus" ] || { echo "$me: the publication to copy, $corpus, was not found; give one with --corpus FILE" >&2; exit 2; }
for program in "$tool" "$floor"; do
  [ -x "$program" ] || { echo "$me: $program is missing; build with -DVANTRELLE_BENCH=ON and give it with --build DIR" >&2; exit 2; }
done
[ -x /usr/bin/time ] || { echo "$me: /usr/bin/time is missing (apt-get install time)" >&2; exit 2; }
folders=$(( (count + 999) / 1000 ))

work=$(mktemp -d /tmp/vantrelle-batch-XXXXXX)
trap 'rm -rf "$work"' EXIT
echo "copying $(basename "$corpus") $count times into $work/src"
left=$count
# seq -w pads to the widest number: d01 up to 99 folders, d001 from 100.
first="d$(seq -w 1 "$folders" | head -n 1)"
for k in $(seq -w 1 "$folders"); do
  mkdir -p "$work/src/d$k"
  n=$(( left < 1000 ? left : 1000 ))
  left=$(( left - n ))
  # Names differ across folders, so one output folder takes them all.
  if [ "$k" -le 10 ]; then
    (cd "$work/src/d$k" && seq -f "d$k-%04g.pub" 1 "$n" |
      xargs sh -c 'tee "$@" < "$0" > /dev/null' "$corpus")
  else
    (cd "$work/src/d$k" && seq -f "%04g" 1 "$n" | xargs -I{} ln "$work/src/$first/$first-{}.pub" "d$k-{}.pub")
  fi
done

# measure COMMAND...: one run with a fresh output folder; sets seconds, cpu
# and rss (KiB).
measure() {
  rm -rf "$work/out"
  mkdir "$work/out"
  sync
  /usr/bin/time -v -o "$work/time.txt" "$@" > /dev/null
  seconds=$(sed -n 's/.*Elapsed (wall clock) time.*: //p' "$work/time.txt" |
    awk -F: '{ s = 0; for (i = 1; i <= NF; i++) s = s * 60 + $i; print s }')
  cpu=$(sed -n 's/.*\(User\|System\) time (seconds): //p' "$work/time.txt" | awk '{ s += $1 } END { print s }')
  rss=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$work/time.txt")
}

echo "documents: $count ($(stat -c %s "$corpus") bytes each), processors: $(nproc)"
speed_set="--pair the THE --out-dir $work/out --quiet"
# The first 2,000 documents are timed (folders d01 and d02).
timed=$(ls -d "$work"/src/d* | head -2)
find $timed -name '*.pub' | sort > "$work/timed.list"
ntimed=$(wc -l < "$work/timed.list")

# One job against two: the same bytes. Milliseconds, times and the output
# folder's name are all that may differ in the reports.
for jobs in 1 2; do
  rm -rf "$work/out$jobs"
  mkdir "$work/out$jobs"
  "$tool" --pair the THE --out-dir "$work/out$jobs" --quiet --jobs "$jobs" \
    --report "$work/report$jobs.json" $timed > /dev/null || true
  sed -e "s|$work/out$jobs|OUT|g" -e 's/"milliseconds": [0-9]*/"milliseconds": 0/' \
    -e '/"started"\|"ended"/d' "$work/report$jobs.json" > "$work/report$jobs.txt"
done
if diff -r -q "$work/out1" "$work/out2" > /dev/null && cmp -s "$work/report1.txt" "$work/report2.txt"; then
  echo "--jobs 1 and --jobs 2 over $ntimed documents: outputs and reports byte-identical"
else
  echo "--jobs 1 and --jobs 2 over $ntimed documents: OUTPUTS OR REPORTS DIFFER"
  identical=no
fi
rm -rf "$work/out1" "$work/out2"

# Two jobs against the two-writer floor, in alternation.
ratios=
for round in $(seq 1 "$repeat"); do
  measure "$tool" $speed_set --jobs 2 $timed
  tool_s=$seconds tool_cpu=$cpu
  measure "$floor" 2 "$work/out" "$work/timed.list"
  floor_s=$seconds floor_cpu=$cpu
  r=$(awk -v a="$tool_s" -v b="$floor_s" 'BEGIN { printf "%.2f", a / b }')
  ratios="$ratios $r"
  printf 'round %d: tool %6.2f s (cpu %6.2f)  floor %6.2f s (cpu %6.2f)  ratio %s\n' \
    "$round" "$tool_s" "$tool_cpu" "$floor_s" "$floor_cpu" "$r"
done
median=$(printf '%s\n' $ratios | sort -n | awk '{ v[NR] = $1 } END { print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }')
echo "--jobs 2 over the two-writer floor, $ntimed documents: median ${median}x (rounds:$ratios)"

# Peak memory at 1,000, 10,000 and COUNT documents, "e" found hundreds of
# times in each.
for n in $(printf '%s\n' 1000 10000 "$count" | sort -n -u); do
  [ "$n" -le "$count" ] || continue
  measure "$tool" --pair e E --out-dir "$work/out" --quiet --jobs 2 \
    $(ls -d "$work"/src/d* | head -n $(( (n + 999) / 1000 )))
  echo "tool, $n documents: peak $rss KiB, $seconds s"
  eval "tool_rss_$n=$rss"
  measure "$tool" --pair the THE --dry-run --report "$work/plan.json" --out-dir "$work/out" --quiet --jobs 2 \
    $(ls -d "$work"/src/d* | head -n $(( (n + 999) / 1000 )))
  echo "plan, $n documents: peak $rss KiB, $seconds s, $(stat -c %s "$work/plan.json") bytes"
  eval "plan_rss_$n=$rss"
  # The plain run's pair, every change in a plan, applied.
  "$tool" --pair e E --dry-run --report "$work/eplan.json" --out-dir "$work/out" --quiet --jobs 2 \
    $(ls -d "$work"/src/d* | head -n $(( (n + 999) / 1000 ))) > /dev/null
  changes=$(grep -o '"apply": true' "$work/eplan.json" | wc -l)
  measure "$tool" --apply "$work/eplan.json" --out-dir "$work/out" --quiet --jobs 2
  eval "plain_rss=\$tool_rss_$n"
  echo "apply, $n documents, $changes changes: peak $rss KiB, $seconds s;" \
    "$(awk -v a="$rss" -v b="$plain_rss" 'BEGIN { printf "%.2f", a / b }')x the plain run's"
  rm -f "$work/eplan.json"
  rm -f "$work/plan.json"
  if [ "$window" = yes ]; then
    rm -rf "$work/out"
    /usr/bin/time -v -o "$work/time.txt" "$build/app/bench/run-bench" "$corpus" "$n" e E > /dev/null
    rss=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$work/time.txt")
    echo "window, $n documents: peak $rss KiB"
    eval "window_rss_$n=$rss"
  fi
done
# The ratios need the 1,000-document figure: only for COUNT of 1,000 or more.
if [ "$count" -ge 1000 ]; then
  eval "last_tool=\$tool_rss_$count"
  echo "tool peak memory, $count over 1,000 documents: $(awk -v a="$last_tool" -v b="$tool_rss_1000" 'BEGIN { printf "%.2f", a / b }')x"
  eval "last_plan=\$plan_rss_$count"
  echo "plan peak memory, $count over 1,000 documents: $(awk -v a="$last_plan" -v b="$plan_rss_1000" 'BEGIN { printf "%.2f", a / b }')x"
  if [ "$window" = yes ]; then
    eval "last_window=\$window_rss_$count"
    echo "window peak memory, $count over 1,000 documents: $(awk -v a="$last_window" -v b="$window_rss_1000" 'BEGIN { printf "%.2f", a / b }')x"
  fi
fi
[ "${identical:-yes}" = yes ]
