#!/usr/bin/env bash
# clang-tidy over the project's own sources (not tests), with the checks of
# .clang-tidy, against the compile commands of a build folder.
# Usage: tidy.sh BUILD_DIR
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
# The windows backend and the _win.cpp files need Windows headers; benchmarks and the fuzz target
# are not built here.
mapfile -t files < <(git ls-files ':(glob)*/*.cpp' | grep -v '/comserver.cpp$\|_win.cpp$\|^wincom/')
# Two files at a time, as many as there are cores.
printf '%s\n' "${files[@]}" |
    xargs -P "$(nproc)" -n 2 clang-tidy -p "$build" --quiet 2>/dev/null
echo "clang-tidy: ${#files[@]} files clean"
