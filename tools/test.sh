#!/usr/bin/env bash
# Installs what is needed, builds, and runs every test: the suite in a normal
# build and in a build with AddressSanitizer and UndefinedBehaviorSanitizer,
# clang-tidy over the sources, the Windows client under Wine, and the Debian
# package installed and started. Ends with one line of totals; tests that
# need the corpus of real publications skip where it is absent, and say so.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh --tests
jobs="$(nproc)"
export QT_QPA_PLATFORM=offscreen
logs="$(mktemp -d -t vantrelle-test.XXXXXX)"
trap 'rm -rf "$logs"' EXIT

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs" | tee "$logs/ctest"
# Tests of real publications skip where the corpus is absent (a plain clone).
corpus_skipped=$(grep -c 'corpus not found at' build/Testing/Temporary/LastTest.log || true)
if [ "$corpus_skipped" -gt 0 ]; then
  corpus_dir=$(sed -n 's/^VANTRELLE_CORPUS_DIR:PATH=//p' build/CMakeCache.txt)
  echo "$corpus_skipped corpus tests skipped: no corpus of real publications at $corpus_dir (set VANTRELLE_CORPUS_DIR)"
fi

# clang-tidy reads the normal build's compile commands; it runs beside the
# sanitizer build and is waited for after it.
bash tools/tidy.sh build >"$logs/tidy" 2>&1 &
tidy=$!

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/tools/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DVANTRELLE_SANITIZE=ON -DVANTRELLE_BENCH=OFF >/dev/null
cmake --build build-asan -j"$jobs"
ctest --test-dir build-asan --output-on-failure -j"$jobs" | tee "$logs/ctest-asan"

if ! wait "$tidy"; then
  cat "$logs/tidy"
  echo "clang-tidy found problems" >&2
  exit 1
fi
tail -n 1 "$logs/tidy"

bash tools/test-windows.sh | tee "$logs/windows"
bash tools/test-package.sh

# ctest's "N tests failed out of M" and its list of tests skipped, and the
# Windows step's "N passed, N failed".
passed=0
failed=0
skipped=0
for f in "$logs/ctest" "$logs/ctest-asan"; do
  total=$(sed -n 's/.*tests failed out of \([0-9]*\).*/\1/p' "$f" | tail -n 1)
  bad=$(sed -n 's/.* \([0-9]*\) tests failed out of.*/\1/p' "$f" | tail -n 1)
  skip=$(grep -c '(Skipped)$' "$f" || true)
  passed=$((passed + total - bad - skip))
  failed=$((failed + bad))
  skipped=$((skipped + skip))
done
read -r wp _ wf _ < <(grep -E '^[0-9]+ passed, [0-9]+ failed$' "$logs/windows" | tail -n 1)
passed=$((passed + wp))
failed=$((failed + wf))
echo "$passed passed, $failed failed, $skipped skipped"
