#!/bin/sh
# Stops vantrelle-replace with SIGINT, as a terminal's Ctrl-C does (to the
# whole process group), at ten random moments of a run over COUNT copies of
# one publication, from its first tenth of a second (the sources still being
# walked) to its end. Each time the exit status must be 130, the report must
# list exactly the results on disk, and no temporary file may be left.
#
# Usage: interrupt-batch.sh [--build DIR] [--corpus FILE] [--count N] [--times N]
set -eu

. "$(dirname "$0")/options.sh"
corpus="$corpus_dir/Sample.pub"
count=3000
times=10
parse_options "build corpus count times" "$@"
need_positive count times
tool="$build/cli/vantrelle-replace"
[ -x "$tool" ] || { echo "$me: $tool is missing" >&2; exit 2; }
[ -f "$corpus" ] || { echo "$me: $corpus was not found" >&2; exit 2; }

work=$(mktemp -d /tmp/vantrelle-interrupt-XXXXXX)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/src"
(cd "$work/src" && seq -f "d%05g.pub" 1 "$count" | xargs sh -c 'tee "$@" < "$0" > /dev/null' "$corpus")

run() {
  rm -rf "$work/out" "$work/report.json"
  mkdir "$work/out"
  setsid "$tool" --pair page leaf --out-dir "$work/out" --jobs 2 --quiet \
    --report "$work/report.json" "$work/src" 2> "$work/err" &
  pid=$!
}

# The whole run's length, to spread the moments over it.
start=$(date +%s.%N)
run
wait "$pid"
length=$(echo "$(date +%s.%N) - $start" | bc)
echo "$count documents, a whole run takes ${length} s"

failures=0
for k in $(seq 1 "$times"); do
  # The first moment falls in the first tenth of a second.
  if [ "$k" -eq 1 ]; then at=0.05; else at=$(awk -v l="$length" -v s="$$$k" 'BEGIN { srand(s); printf "%.2f", rand() * l * 0.95 }'); fi
  run
  sleep "$at"
  kill -INT "-$pid" 2> /dev/null || true
  status=0
  wait "$pid" || status=$?
  verdict=$(python3 - "$work/report.json" "$work/out" "$work/src" <<'PY'
import json, os, sys
report, out, src = sys.argv[1:]
if not os.path.exists(report):
    print("no report"); sys.exit()
docs = json.load(open(report))["documents"]
listed = sorted(os.path.basename(d["output"]) for d in docs if d["outcome"] in ("written", "nothing to replace"))
on_disk = sorted(os.listdir(out))
strays = [f for f in os.listdir(src) if not f.endswith(".pub")] + [f for f in os.listdir(os.path.dirname(report)) if f.startswith(".") or "report.json." in f]
if listed != on_disk:
    print("report lists %d results, %d on disk" % (len(listed), len(on_disk)))
elif strays:
    print("left behind: %s" % strays[:3])
else:
    print("ok %d written" % len(listed))
PY
)
  case "$status:$verdict" in
    130:ok*) echo "SIGINT at ${at} s: exit 130, $verdict" ;;
    *) echo "SIGINT at ${at} s: exit $status, $verdict: FAILED"; failures=$((failures + 1)) ;;
  esac
done
[ "$failures" -eq 0 ] && echo "all $times stops left a true report" || exit 1
