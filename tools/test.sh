#!/usr/bin/env bash
# The test command.
#   bash tools/test.sh          installs what is needed, builds everything in
#                               build/ and runs the suite (the quick one)
#   bash tools/test.sh --full   also the long steps, as CI runs it: the suite
#                               again with AddressSanitizer and
#                               UndefinedBehaviorSanitizer, clang-tidy, the
#                               Windows build (Qt for Windows built once and
#                               cached) and its tests under Wine, the Debian
#                               package
# Ends with a line counting the skipped tests by reason and one line of
# totals, "N passed, N failed, N skipped"; exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."
full=0
case "${1:-}" in
  --full) full=1 ;;
  "") ;;
  *) echo "usage: bash tools/test.sh [--full]" >&2; exit 2 ;;
esac
bash tools/install-deps.sh --tests
jobs="$(nproc)"
export QT_QPA_PLATFORM=offscreen
# A compiler cache, where one is installed, makes a second run's builds short.
launcher=()
command -v ccache >/dev/null &&
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
logs="$(mktemp -d -t vantrelle-test.XXXXXX)"
trap 'rm -rf "$logs"' EXIT
status=0

# Runs the suite of one build; its output and ctest's log are kept under a
# name for the totals.
suite() {
  local name="$1" dir="$2"
  ctest --test-dir "$dir" --output-on-failure -j"$jobs" | tee "$logs/ctest-$name" || status=1
  cp "$dir/Testing/Temporary/LastTest.log" "$logs/log-$name"
}

sanitizer_suite() {
  export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
  export LSAN_OPTIONS="suppressions=$PWD/tools/lsan.supp:print_suppressions=0"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
  cmake -S . -B build-asan "${launcher[@]}" -DCMAKE_BUILD_TYPE=Debug -DVANTRELLE_SANITIZE=ON \
    -DVANTRELLE_BENCH=OFF >/dev/null
  cmake --build build-asan -j"$jobs"
  suite sanitizer build-asan
}

# The tool alone, as a machine without the window's libraries builds it: the
# layers below the window must not need it.
tool_only_build() {
  cmake -S . -B build-tool "${launcher[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTRELLE_WINDOW=OFF \
    -DVANTRELLE_BENCH=OFF >/dev/null
  cmake --build build-tool -j"$jobs" --target vantrelle-replace
  build-tool/cli/vantrelle-replace --help >/dev/null
}

cmake -S . -B build "${launcher[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs"
suite normal build

# The long steps of --full, in order. A step whose output ends with a line
# "N passed, N failed" adds those to the totals.
full_steps=(
  sanitizer_suite
  tool_only_build
  "bash tools/tidy.sh build"
  "bash tools/build-windows.sh"
  "bash tools/test-windows.sh --engine"
  "bash tools/test-package.sh"
)
if ((full)); then
  n=0
  for step in "${full_steps[@]}"; do
    n=$((n + 1))
    echo "== $step"
    $step 2>&1 | tee "$logs/step-$n" || { status=1; echo "FAILED: $step" >&2; }
  done
fi

# ctest's "N tests failed out of M" and its list of tests that did not run,
# each skipped test's reason from ctest's log (gtest's line after "Skipped",
# a script's "SKIP: ..." or else its last line), and the steps' "N passed, N
# failed".
passed=0
failed=0
skipped=0
reasons=""
for f in "$logs"/ctest-*; do
  name="${f##*/ctest-}"
  total=$(sed -n 's/.*tests failed out of \([0-9]*\).*/\1/p' "$f" | tail -n 1)
  bad=$(sed -n 's/.* \([0-9]*\) tests failed out of.*/\1/p' "$f" | tail -n 1)
  skip=$(grep -c '(Skipped)$' "$f" || true)
  passed=$((passed + ${total:-0} - ${bad:-0} - skip))
  failed=$((failed + ${bad:-0}))
  skipped=$((skipped + skip))
  reasons+=$(sed -n 's/^[[:space:]]*[0-9]* - \(.*\) (Skipped)$/\1/p' "$f" |
    awk -v build="$name" -v logfile="$logs/log-$name" '
      BEGIN {
        while ((getline line < logfile) > 0) {
          if (line ~ /^[0-9]+\/[0-9]+ Testing: /) { test = line; sub(/^[^:]*: /, "", test); after = 0; last = "" }
          else if (after) { why[test] = line; after = 0 }
          else if (line ~ /: Skipped$/) after = 1
          else if (line ~ /^SKIP: /) why[test] = substr(line, 7)
          else if (line == "<end of output>") { if (!(test in why) && last != "") why[test] = last }
          else if (line != "") last = line
        }
      }
      { print (($0 in why) ? why[$0] : "no reason given") " (" build " build)" }')$'\n'
done
for f in "$logs"/step-*; do
  [ -e "$f" ] || continue
  if read -r sp _ sf _ < <(grep -E '^[0-9]+ passed, [0-9]+ failed$' "$f" | tail -n 1); then
    passed=$((passed + sp))
    failed=$((failed + sf))
  fi
done
if ((skipped > 0)); then
  echo "$skipped skipped:"
  printf '%s' "$reasons" | sed '/^$/d' | sort | uniq -c | sort -rn |
    sed 's/^ *\([0-9]*\) /  \1 × /'
fi
echo "$passed passed, $failed failed, $skipped skipped"
[ "$status" -eq 0 ] && [ "$failed" -eq 0 ]
