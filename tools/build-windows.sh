#!/usr/bin/env bash
# Builds Vantrelle for Windows on Debian 12: installs the cross tools (apt),
# builds Qt for Windows from Debian's source package unless the cache holds
# it (tools/windows/qt.sh: ${XDG_CACHE_HOME:-~/.cache}/vantrelle/), builds
# GoogleTest (from /usr/src/googletest) and PCRE2 (from Debian's source)
# for Windows the same way, then
# vantrelle.exe (the window), vantrelle-replace.exe, make-samples.exe and the
# tests into build-windows/bin, with Qt's and MinGW's runtime DLLs and their
# licence texts beside them. tools/test-windows.sh --engine runs the tests
# under Wine.
#
#   tools/build-windows.sh [--broken NAME]   NAME: PATH_IDENTITY builds file
#                                            identity from path text, a fault
#                                            the tests must catch
set -euo pipefail
cd "$(dirname "$0")/.."
broken=""
if [[ "${1:-}" == --broken ]]; then
    broken="${2:?--broken needs a fault name}"
fi
out="build-windows"
[[ -n "$broken" ]] && out="build-windows-broken"

bash tools/install-deps.sh --windows
cache="${XDG_CACHE_HOME:-$HOME/.cache}/vantrelle"
start=$SECONDS
qt="$(bash tools/windows/qt.sh)"
echo "Qt for Windows: $qt ($((SECONDS - start)) s)"

# A library built for Windows with CMake into the cache, once for each
# version and toolchain: cached NAME VERSION SOURCE [CMAKE OPTIONS...] sets
# $built to its prefix. SOURCE "deb:PACKAGE" is Debian's source package.
cached() {
    local name="$1" version="$2" source="$3"
    shift 3
    local key
    key="$( { echo "$version" "$@"; cat tools/windows/mingw-w64.cmake; } | sha256sum | cut -c1-12)"
    built="$cache/$name-${version%%-*}-$key"
    [[ -f "$built/.complete" ]] && return 0
    local work
    work="$(mktemp -d)"
    if [[ "$source" == deb:* ]]; then
        bash tools/windows/debsource.sh "${source#deb:}" "$version" "$work/src" "$work" \
            >"$work/log" 2>&1 || { cat "$work/log" >&2; exit 1; }
        source="$work/src"
    fi
    cmake -S "$source" -B "$work/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$PWD/tools/windows/mingw-w64.cmake" \
        -DCMAKE_INSTALL_PREFIX="$built" "$@" >>"$work/log" 2>&1 &&
        nice -n 10 cmake --build "$work/build" -j2 >>"$work/log" 2>&1 &&
        cmake --install "$work/build" >>"$work/log" 2>&1 || { cat "$work/log" >&2; exit 1; }
    # Its licence goes with every copy of what it built.
    cp "$source"/LICEN[CS]E* "$built/" 2>/dev/null || true
    rm -rf "$work"
    touch "$built/.complete"
}

# GoogleTest: Debian ships its source only for this system's compiler.
cached googletest "$(dpkg-query -W -f='${Version}' libgtest-dev)" /usr/src/googletest
gtest="$built"
# PCRE2's 16-bit library, which the engine's regular expressions call
# directly (Qt for Windows keeps its own copy inside Qt6Core, out of reach).
pcre2_version="$(dpkg-query -W -f='${Version}' libpcre2-dev)"
# The release's own source (a security update's may only be on its mirror).
cached pcre2 "${pcre2_version%%+deb*}" deb:pcre2 \
    -DBUILD_SHARED_LIBS=OFF -DBUILD_STATIC_LIBS=ON -DPCRE2_BUILD_PCRE2_8=OFF \
    -DPCRE2_BUILD_PCRE2_16=ON -DPCRE2_SUPPORT_JIT=ON -DPCRE2_BUILD_PCRE2GREP=OFF \
    -DPCRE2_BUILD_TESTS=OFF
pcre2="$built"
# Only the Windows libraries' pkg-config files, never this machine's.
export PKG_CONFIG_LIBDIR="$pcre2/lib/pkgconfig"

launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
start=$SECONDS
# A build configured with another Qt keeps that Qt's paths in its cache.
if [[ -f "$out/CMakeCache.txt" ]] && ! grep -q "^Qt6_DIR:PATH=$qt/" "$out/CMakeCache.txt"; then
    rm -rf "$out/CMakeCache.txt" "$out/CMakeFiles"
fi
# qt-cmake chains Qt's toolchain (find paths inside Qt's prefix) to MinGW's.
"$qt/bin/qt-cmake" -S . -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DGTest_DIR="$gtest/lib/cmake/GTest" \
    -DCMAKE_RUNTIME_OUTPUT_DIRECTORY="$PWD/$out/bin" \
    -DVANTRELLE_BENCH=OFF -DVANTRELLE_WINDOW=ON -DVANTRELLE_BROKEN="$broken" "${launcher[@]}" >/dev/null
nice -n 10 cmake --build "$out" -j2

# Beside the programs: the DLLs they load, and the licences that go with them.
bin="$out/bin"
mkdir -p "$bin/licenses/qt" "$bin/licenses/mingw-w64" "$bin/platforms" "$bin/styles" "$bin/imageformats"
cp "$qt"/bin/Qt6{Core,Gui,Widgets,Test}.dll "$bin/"
cp "$qt"/plugins/platforms/{qwindows,qminimal}.dll "$bin/platforms/"
cp "$qt"/plugins/styles/qwindowsvistastyle.dll "$bin/styles/"
cp "$qt"/plugins/imageformats/qico.dll "$bin/imageformats/"
cp "$qt"/licenses/* "$bin/licenses/qt/"
for dll in libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll; do
    cp "$(x86_64-w64-mingw32-g++-posix -print-file-name="$dll")" "$bin/"
done
cp /usr/share/doc/gcc-mingw-w64-x86-64-posix-runtime/copyright "$bin/licenses/mingw-w64/gcc-runtime.txt"
cp /usr/share/doc/mingw-w64-x86-64-dev/copyright "$bin/licenses/mingw-w64/winpthreads.txt"
cp "$pcre2"/LICENCE "$bin/licenses/pcre2.txt"
# The samples the window offers, written by the Windows build itself (under
# Wine, in a prefix of its own), as the Linux build writes them at build time.
rm -rf "$bin/Samples"
samples_prefix="$(mktemp -d)"
WINEPREFIX="$samples_prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=,winedbg.exe=d" DISPLAY="" \
    "$(command -v wine64 || echo /usr/lib/wine/wine64)" "$bin/make-samples.exe" "Z:${PWD//\//\\}\\$out\\bin\\Samples" >/dev/null 2>&1 || true
WINEPREFIX="$samples_prefix" "$(command -v wineserver64 || echo /usr/lib/wine/wineserver64)" -k 2>/dev/null || true
rm -rf "$samples_prefix"
[[ -f "$bin/Samples/Letterhead.pub" ]] || { echo "The samples could not be written under Wine." >&2; exit 1; }
echo "Windows build: $((SECONDS - start)) s; programs and DLLs in $bin"

# The setup program and the portable zip (tools/windows/package.sh).
if [[ -z "$broken" ]]; then
    version="$(sed -nE 's/^project\(Vantrelle VERSION ([0-9.]+).*/\1/p' CMakeLists.txt)"
    bash tools/windows/package.sh "$bin" "$out/package" "$version"
fi
