#!/usr/bin/env bash
# Builds Qt for Windows from Debian's own source package of the Qt this
# machine has (qt6-base), with the MinGW-w64 cross compilers, and prints
# the folder it is installed in:
#   ${XDG_CACHE_HOME:-~/.cache}/vantrelle/qt-VERSION-OPTIONSHASH
# An installed Qt of the same version and options is reused as it is. Only
# what the programs load is built: Core, Gui, Widgets, Test, the windows and
# minimal platform plugins and the Windows styles (no SQL, network, printing,
# OpenGL beyond what the platform plugin loads at run time). The machine's own apt
# source lists are left alone: the source package is fetched through a
# private apt configuration. Needs the packages of tools/packages-windows.txt.
# The build runs at the lowest priority and logs to LOG in the cache.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
cache="${XDG_CACHE_HOME:-$HOME/.cache}/vantrelle"
version="$(dpkg-query -W -f='${Version}' qt6-base-dev)"   # e.g. 6.4.2+dfsg-10
upstream="${version%%+*}"
upstream="${upstream%%-*}"

options=(
    -G Ninja
    -DCMAKE_BUILD_TYPE=Release
    -DBUILD_SHARED_LIBS=ON
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
    # Debian's host tools (moc, rcc, uic) of the same version.
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    # The bundled libraries, never whatever the cross root happens to hold.
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF
    -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_doubleconversion=OFF
    # Not loaded by the programs.
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF
    -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_vulkan=OFF -DFEATURE_direct2d=OFF
    -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_freetype=OFF -DFEATURE_zstd=OFF
    -DFEATURE_icu=OFF
    # 6.4.2 builds the DirectWrite 3 font database into Gui only with Direct2D,
    # but the windows platform plugin uses it whenever directwrite3 is on: it
    # then fails to link. The plugin falls back to the GDI font database.
    -DFEATURE_directwrite3=OFF
    # Debian's source leaves out src/3rdparty/wintab, which tablet events need.
    -DFEATURE_tabletevent=OFF
    # The windows platform plugin of 6.4.2 does not compile without OpenGL;
    # dynamic loads opengl32 only at run time.
    -DINPUT_opengl=dynamic
)
key="$( { printf '%s\n' "$version" "${options[@]}"; cat "$here/mingw-w64.cmake"; } |
    sha256sum | cut -c1-12)"
prefix="$cache/qt-$upstream-$key"
# Qt's toolchain file names the MinGW one it was built with; a copy inside
# the prefix keeps the cache usable from any clone.
relocate_toolchain() {
    local file="$prefix/lib/cmake/Qt6/qt.toolchain.cmake"
    cp "$here/mingw-w64.cmake" "$prefix/lib/cmake/Qt6/mingw-w64.cmake"
    sed -i 's|^set(__qt_initially_configured_toolchain_file ".*")$|set(__qt_initially_configured_toolchain_file "${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake")|' \
        "$file"
}
if [[ -f "$prefix/.complete" ]]; then
    grep -q 'CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake' "$prefix/lib/cmake/Qt6/qt.toolchain.cmake" ||
        relocate_toolchain
    echo "$prefix"
    exit 0
fi

work="$cache/qt-$upstream-$key.work"
log="$cache/qt-$upstream-$key.log"
mkdir -p "$work"
echo "Building Qt $upstream for Windows into $prefix (log: $log)" >&2
exec 3>&2 4>&1 >>"$log" 2>&1
trap 'echo "Building Qt failed; see $log" >&3' ERR
echo "== $(date -u +%FT%TZ) Qt $version, options key $key"

# The source package, through apt lists of our own.
src="$work/src"
if [[ ! -f "$src/.unpacked" ]]; then
    bash "$here/debsource.sh" qt6-base "$version" "$src" "$work"
    touch "$src/.unpacked"
fi

export CCACHE_BASEDIR="$work" CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
launcher=()
command -v ccache >/dev/null && launcher=(-DQT_USE_CCACHE=ON)
start=$SECONDS
nice -n 19 cmake -S "$src" -B "$work/build" -DCMAKE_TOOLCHAIN_FILE="$here/mingw-w64.cmake" \
    -DCMAKE_INSTALL_PREFIX="$prefix" "${options[@]}" "${launcher[@]}"
echo "== configured in $((SECONDS - start)) s"
nice -n 19 cmake --build "$work/build" -j2
echo "== built in $((SECONDS - start)) s"
rm -rf "$prefix"
cmake --install "$work/build" >/dev/null
relocate_toolchain
# LGPL: the licence texts go with every copy of the DLLs.
mkdir -p "$prefix/licenses"
cp "$src"/LICENSES/* "$prefix/licenses/" 2>/dev/null || cp "$src"/LICENSE.* "$prefix/licenses/"
echo "qt6-base $version (Debian source package), options key $key" >"$prefix/licenses/SOURCE"
echo "== installed in $((SECONDS - start)) s; $(date -u +%FT%TZ)"
touch "$prefix/.complete"
rm -rf "$work"
echo "$prefix" >&4
