#!/usr/bin/env bash
# The Windows COM client: cross-builds it, the fake automation server and the
# tests with mingw-w64, and runs the tests under Wine in a fresh headless
# prefix that is removed afterwards. With --engine, also the Windows build of
# tools/build-windows.sh: the engine's and the run core's tests, the samples
# written on Windows, the Windows tool's results and reports against the
# Linux tool's (build/, made here when missing), and its path spellings.
# Installs nothing (tools/packages-test.txt and tools/packages-windows.txt
# list what it needs). Ends with one line "N passed, N failed"; exits
# non-zero on any failure.
#
#   tools/test-windows.sh                 the client as it is
#   tools/test-windows.sh --engine        the client and the Windows build
#   tools/test-windows.sh --broken NAME   with one deliberate fault built in
#                                         (see wincom/README.md), which the
#                                         tests must then catch; the fault
#                                         PATH_IDENTITY is the engine's
#                                         (tools/build-windows.sh --broken)
set -euo pipefail
cd "$(dirname "$0")/.."
broken=""
engine=0
while (($#)); do
    case "$1" in
    --engine) engine=1 ;;
    --broken)
        broken="${2:?--broken needs a fault name}"
        shift
        ;;
    *)
        echo "test-windows.sh: unknown option $1" >&2
        exit 2
        ;;
    esac
    shift
done
windows_build="build-windows"
if [[ "$broken" == PATH_IDENTITY ]]; then
    engine=1
    broken=""
    windows_build="build-windows-broken"
fi

tool() { command -v "$1" 2>/dev/null || echo "/usr/lib/wine/$1"; }
wine="$(tool wine64)"
wineserver="$(tool wineserver64)"
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

work="$(mktemp -d)"
# No debugger: a program that crashes ends at once, and its test fails.
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=,winedbg.exe=d"
unset DISPLAY WAYLAND_DISPLAY
cleanup() {
    "$wineserver" -k 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# Closing line when the tests could not run or did not finish.
give_up() {
    echo "$1" >&2
    echo "0 passed, 1 failed"
    exit 1
}

if ! cmake -S wincom -B "$work/build" -DCMAKE_TOOLCHAIN_FILE="$PWD/wincom/mingw-w64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DWINCOM_BROKEN="$broken" "${launcher[@]}" >"$work/build.log" 2>&1 ||
    ! cmake --build "$work/build" -j"$(nproc)" >>"$work/build.log" 2>&1; then
    cat "$work/build.log" >&2
    give_up "The Windows build failed."
fi

"$wine" wineboot --init >/dev/null 2>&1 || give_up "Wine could not make a prefix."
# services.exe must be up before anything else starts, or local servers hang.
"$wineserver" -w
"$wine" "$work/build/fakepub.exe" /regserver || give_up "The fake server did not register."

# The adapter is built with Qt for Windows by tools/build-windows.sh (which
# takes a while the first time); compiling it against this machine's Qt
# headers keeps it in step with the automation model and the client's header
# without that build.
adapter=0
if c++ -std=c++20 -fsyntax-only -fPIC -Wall -Wextra -Werror -I. \
    $(pkg-config --cflags Qt6Core) run/comserver.cpp >"$work/adapter.log" 2>&1; then
    echo "PASS adapter compiles against the automation model"
else
    echo "FAIL adapter compiles against the automation model"
    sed 's/^/  /' "$work/adapter.log"
    adapter=1
fi

status=0
timeout 120 "$wine" "$work/build/wincom_tests.exe" 2>&1 | tr -d '\r' >"$work/out" || status=$?
grep -v -E '^[0-9]+ passed, [0-9]+ failed$' "$work/out" || true
summary="$(grep -E '^[0-9]+ passed, [0-9]+ failed$' "$work/out" | tail -1 || true)"
if [[ -z "$summary" ]]; then
    # Ended before its summary (a crash or the timeout): count what it reported.
    passed="$(grep -c '^PASS ' "$work/out" || true)"
    failed="$(grep -c '^FAIL ' "$work/out" || true)"
    summary="$passed passed, $((failed + 1)) failed"
    status=1
fi
read -r passed _ failed _ <<<"$summary"
passed=$((passed + 1 - adapter))
failed=$((failed + adapter))
((adapter == 0)) || status=1
if ((engine)); then
    source tools/windows/test-engine.sh
    # The setup program and the zip of tools/build-windows.sh, in a prefix of their own.
    if [[ "$windows_build" == build-windows ]]; then
        version="$(sed -nE 's/^project\(Vantrelle VERSION ([0-9.]+).*/\1/p' CMakeLists.txt)"
        package="$windows_build/package/vantrelle-$version"
        bash tools/windows/test-installer.sh "$package-setup.exe" "$package-windows.zip" \
            >"$work/installer.out" 2>&1 || true
        head -n -1 "$work/installer.out"
        summary="$(tail -n 1 "$work/installer.out")"
        [[ "$summary" =~ ^[0-9]+\ passed,\ [0-9]+\ failed$ ]] || summary="0 passed, 1 failed"
        read -r p _ f _ <<<"$summary"
        echo "setup program and zip under Wine: $p passed, $f failed"
        passed=$((passed + p))
        failed=$((failed + f))
    else
        echo "SKIP the setup program and the zip: not made for a build with a fault"
    fi
fi
echo "$passed passed, $failed failed"
((failed == 0)) || status=1
exit "$status"
