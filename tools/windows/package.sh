#!/usr/bin/env bash
# The Windows setup program and the portable zip, from a folder laid out like
# build-windows/bin (tools/build-windows.sh):
#
#   tools/windows/package.sh BIN OUTDIR VERSION
#
# makes OUTDIR/vantrelle-VERSION-setup.exe (tools/windows/installer.nsi, with
# Debian's nsis) and OUTDIR/vantrelle-VERSION-windows.zip, which hold the same
# files: the programs, the DLLs and plugin folders they load, the licences,
# the samples and the pointers. The tests and what only they load stay out.
set -euo pipefail
bin="${1:?usage: package.sh BIN OUTDIR VERSION}"
outdir="${2:?usage: package.sh BIN OUTDIR VERSION}"
version="${3:?usage: package.sh BIN OUTDIR VERSION}"
here="$(cd "$(dirname "$0")" && pwd)"
if [[ ! "$version" =~ ^[0-9]+\.[0-9]+\.[0-9]+$ ]]; then
    echo "package.sh: the version must be x.y.z, not $version" >&2
    exit 2
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
stage="$work/vantrelle-$version"
mkdir -p "$stage" "$outdir"
outdir="$(cd "$outdir" && pwd)"

# vantrelle.exe, the window, is what the shortcut and "Open with" start.
programs=0
for file in vantrelle.exe vantrelle-replace.exe HAND-M.CUR drag.ico; do
    [[ -f "$bin/$file" ]] || continue
    cp "$bin/$file" "$stage/"
    [[ "$file" == *.exe ]] && programs=$((programs + 1))
done
if ((programs == 0)); then
    echo "package.sh: neither vantrelle.exe nor vantrelle-replace.exe in $bin" >&2
    exit 1
fi
for dll in "$bin"/*.dll; do
    [[ "$(basename "$dll")" == Qt6Test.dll ]] || cp "$dll" "$stage/"
done
for folder in platforms styles imageformats licenses Samples; do
    [[ -d "$bin/$folder" ]] && cp -r "$bin/$folder" "$stage/"
done
# A user has no use for the debugging sections (libstdc++ alone shrinks from
# 23 MB to 4 MB); the tests run what is packaged, stripped.
find "$stage" \( -name '*.exe' -o -name '*.dll' \) -exec x86_64-w64-mingw32-strip --strip-debug {} +

# The installer's lists, from the same files: what it stages (into the folder
# ROOT it names), and each file and folder by its path inside the install,
# which a function of the installer is called with (folders deepest first).
nsis_escape() { # text as it is written inside an NSIS string
    local s="${1//\$/\$\$}"
    echo "${s//\"/\$\\\"}"
}
relative() { # PATH inside the stage as the installer names it: "platforms\qwindows.dll"
    local rel="${1#"$stage"}"
    rel="${rel#/}"
    rel="$(nsis_escape "$rel")"
    echo "\"${rel//\//\\}\""
}
files="$work/files.nsh"
{
    echo '!macro VANTRELLE_STAGE_FILES ROOT'
    while IFS= read -r dir; do
        rel="$(relative "$dir")"
        [[ "$rel" == '""' ]] && echo '  SetOutPath "${ROOT}"' || echo "  SetOutPath \"\${ROOT}\\${rel:1}"
        find "$dir" -maxdepth 1 -type f | LC_ALL=C sort | while IFS= read -r f; do
            echo "  File \"$(nsis_escape "$f")\""
        done
    done < <(find "$stage" -type d | LC_ALL=C sort)
    echo '!macroend'
    echo '!macro VANTRELLE_EACH_FILE FUNCTION'
    find "$stage" -type f | LC_ALL=C sort | while IFS= read -r f; do
        echo "  Push $(relative "$f")"
        echo '  Call ${FUNCTION}'
    done
    echo '!macroend'
    echo '!macro VANTRELLE_EACH_FOLDER FUNCTION'
    find "$stage" -mindepth 1 -type d | LC_ALL=C sort -r | while IFS= read -r dir; do
        echo "  Push $(relative "$dir")"
        echo '  Call ${FUNCTION}'
    done
    echo '!macroend'
} >"$files"

defines=(-DVERSION="$version" -DFILES="$files" -DSIZE_KB="$(du -sk "$stage" | cut -f1)"
    -DOUTFILE="$outdir/vantrelle-$version-setup.exe")
[[ -f "$stage/vantrelle.exe" ]] && defines+=(-DWINDOW)
resources="$here/../../app/resources"
if python3 "$here/make-ico.py" "$work/vantrelle.ico" "$resources"/vantrelle-{16,32,64,256}.png; then
    defines+=(-DICON="$work/vantrelle.ico")
fi
makensis -V2 -NOCD "${defines[@]}" "$here/installer.nsi"

zip="$outdir/vantrelle-$version-windows.zip"
rm -f "$zip"
(cd "$work" && zip -q -r -X "$zip" "vantrelle-$version")
echo "Packaged $(find "$stage" -type f | wc -l) files: $outdir/vantrelle-$version-setup.exe, $zip"
