#!/usr/bin/env bash
# Installs what is needed, builds the program and its command-line tool (no
# tests or benchmarks: tools/test.sh builds those) and starts the program.
# Arguments go to the program: bash tools/run.sh FILE.pub FOLDER/
set -euo pipefail
# The paths are taken from where the command was given, before the cd below.
args=()
for arg in "$@"; do
  case "$arg" in
    -*) args+=("$arg") ;;
    *) args+=("$(realpath -m -- "$arg")") ;;
  esac
done
cd "$(dirname "$0")/.."
step() { printf '[%s] %s\n' "$(date +%T)" "$*"; }

step "checking the Debian packages in tools/packages.txt"
bash tools/install-deps.sh
step "configuring the build in build/"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
step "building vantrelle and vantrelle-replace (the first time some minutes: see the README; log: build/run-build.log)"
if ! cmake --build build -j"$(nproc)" --target vantrelle vantrelle-replace >build/run-build.log 2>&1; then
  grep -E -B2 -A6 'error|Error' build/run-build.log | head -n 60 >&2
  echo "the build failed; the whole output is in build/run-build.log" >&2
  exit 1
fi
step "starting build/app/vantrelle"
exec ./build/app/vantrelle ${args[@]+"${args[@]}"}
