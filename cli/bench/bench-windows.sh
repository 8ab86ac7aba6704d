#!/usr/bin/env bash
# vantrelle-replace.exe under Wine against the Windows floor
# (vantrelle_bench_floor_win: read, write to a temporary name, flush,
# rename) on COUNT publications, the corpus's own copied round to that many
# names, in one Wine prefix whose server stays up between the runs:
# - --jobs 1 against one writer and --jobs 2 against two, the tool and the
#   floor timed in alternation, REPEAT rounds; the median of the rounds'
#   ratios counts;
# - the tool's results byte for byte those of the Linux tool
#   (build/cli/vantrelle-replace, when there is one);
# - with --calls N, the file calls per document: the Win32 file functions
#   the tool calls from its own code and Qt's (Wine's relay trace of a run
#   on N documents less that of a run on one), and the floor's.
#
# Usage: bench-windows.sh [--build DIR] [--corpus DIR] [--count N] [--repeat N] [--calls N]
#   --build DIR    the Windows build (default: build-windows, tools/build-windows.sh)
#   --corpus DIR   the publications to copy (default: ../shared/corpus beside
#                  the repository, or $VANTRELLE_CORPUS_DIR)
#   --count N      how many documents (default 1500)
#   --repeat N     rounds of the timing (default 3)
#   --calls N      count the calls on N documents (default 0: not counted)
set -euo pipefail
me="$(basename "$0")"
repo="$(cd "$(dirname "$0")/../.." && pwd)"
build="$repo/build-windows"
corpus="${VANTRELLE_CORPUS_DIR:-$repo/../shared/corpus}"
count=1500
repeat=3
calls=0
while (($#)); do
    case "$1" in
    --build | --corpus | --count | --repeat | --calls)
        (($# >= 2)) || { echo "$me: $1 needs a value" >&2; exit 2; }
        declare "${1#--}=$2"
        shift 2
        ;;
    *) echo "$me: unknown argument $1 (see the top of this script)" >&2; exit 2 ;;
    esac
done
tool="$build/bin/vantrelle-replace.exe"
floor="$build/bin/vantrelle_bench_floor_win.exe"
for program in "$tool" "$floor"; do
    [[ -f "$program" ]] || { echo "$me: $program is missing; run tools/build-windows.sh" >&2; exit 2; }
done
mapfile -t pubs < <(find "$corpus" -maxdepth 1 -name '*.pub' | sort)
((${#pubs[@]})) || { echo "$me: no publications in $corpus" >&2; exit 2; }

work="$(mktemp -d /tmp/vantrelle-windows-bench-XXXXXX)"
# shellcheck source=tools/windows/wine-tests.sh
source "$repo/tools/windows/wine-tests.sh"
fresh_prefix
export QT_QPA_PLATFORM=minimal
"$wine" wineboot --init >/dev/null 2>&1
"$wineserver" -w
# One server for every run, as a user's session has: each run pays only
# its own start.
"$wineserver" -p

mkdir -p "$work/src"
for ((i = 0; i < count; ++i)); do
    cp "${pubs[i % ${#pubs[@]}]}" "$work/src/$(printf '%05d' "$i")-$(basename "${pubs[i % ${#pubs[@]}]}")"
done
find "$work/src" -name '*.pub' | sort | while IFS= read -r f; do winpath "$f"; done >"$work/list"
echo "documents: $count (the ${#pubs[@]} publications of $corpus), processors: $(nproc)"

# seconds COMMAND...: the wall time of one run with a fresh output folder.
seconds() {
    rm -rf "$work/out"
    mkdir "$work/out"
    sync
    local start end
    start="$(date +%s.%N)"
    "$@" >/dev/null 2>&1 || true
    end="$(date +%s.%N)"
    awk -v a="$start" -v b="$end" 'BEGIN { printf "%.2f", b - a }'
}
run_tool() { "$wine" "$tool" --pair e E --quiet --jobs "$1" --out-dir "$(winpath "$work/out")" "$(winpath "$work/src")"; }
run_floor() { "$wine" "$floor" "$1" "$(winpath "$work/out")" "$(winpath "$work/list")"; }

if [[ -x "$repo/build/cli/vantrelle-replace" ]]; then
    mkdir -p "$work/linux"
    "$repo/build/cli/vantrelle-replace" --pair e E --quiet --out-dir "$work/linux" "$work/src" \
        >/dev/null 2>&1 || true
    run_tool 2 >/dev/null 2>&1 || true
    same="$(cd "$work/linux" && find . -type f | while IFS= read -r f; do
        cmp -s "$f" "$work/out/$f" && echo "$f"; done | wc -l)"
    echo "results byte for byte the Linux tool's: $same of $(find "$work/linux" -type f | wc -l)" \
        "($(find "$work/out" -type f | wc -l) written under Wine)"
fi

median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }
for jobs in 1 2; do
    ratios=()
    for round in $(seq "$repeat"); do
        t="$(seconds run_tool "$jobs")"
        f="$(seconds run_floor "$jobs")"
        ratios+=("$(awk -v a="$t" -v b="$f" 'BEGIN { printf "%.2f", a / b }')")
        echo "--jobs $jobs round $round: tool $t s, floor $f s, ratio ${ratios[-1]}"
    done
    echo "--jobs $jobs over the floor with $jobs writer(s), $count documents: median $(median "${ratios[@]}")x (rounds: ${ratios[*]})"
done

# The file calls per document: a relay trace of a run on N documents less
# one on a single document, divided by N - 1. The Win32 functions (kernel32
# and kernelbase, where Wine forwards them) and the system calls under them
# (ntdll's Nt...File and NtClose), through which every file access passes.
if ((calls > 1)); then
    win32='CreateFileW|CreateFile2|ReadFile|WriteFile|FlushFileBuffers|MoveFileExW|MoveFileWithProgressW|ReplaceFileW|DeleteFileW|CloseHandle|GetFileAttributesW|GetFileAttributesExW|GetFileInformationByHandle|GetFileInformationByHandleEx|GetFileSizeEx|GetFileType|SetFilePointerEx|SetEndOfFile|FindFirstFileW|FindFirstFileExW|FindNextFileW|FindClose|GetFullPathNameW|GetLongPathNameW|GetFinalPathNameByHandleW|GetVolumeInformationW|GetVolumeInformationByHandleW|GetDiskFreeSpaceExW|CreateDirectoryW|GetConsoleMode|WriteConsoleW|SetFileInformationByHandle|GetFileTime|DeviceIoControl'
    nt='Nt[A-Za-z]*File|NtClose'
    trace() { # trace PROGRAM N: the counts of each function in a run on N documents
        local n="$2" dir="$work/calls$2"
        rm -rf "$work/out"
        mkdir -p "$dir/src" "$work/out"
        head -n "$n" "$work/list" | while IFS= read -r f; do cp "$(unix_of "$f")" "$dir/src/"; done
        case "$1" in
        tool) WINEDEBUG=+relay "$wine" "$tool" --pair e E --quiet --jobs 1 --out-dir \
            "$(winpath "$work/out")" "$(winpath "$dir/src")" 2>"$dir/trace" >/dev/null || true ;;
        floor) find "$dir/src" -type f | sort | while IFS= read -r f; do winpath "$f"; done >"$dir/list"
            WINEDEBUG=+relay "$wine" "$floor" 1 "$(winpath "$work/out")" "$(winpath "$dir/list")" \
                2>"$dir/trace" >/dev/null || true ;;
        esac
        grep -aoE "Call (KERNEL32|KERNELBASE|kernel32|kernelbase)\.($win32)\(|Call ntdll\.($nt)\(" \
            "$dir/trace" | sed -E 's/^Call //; s/\($//' | sort | uniq -c | awk '{ print $2, $1 }' |
            sort >"$dir/counts.$1"
    }
    unix_of() { local p="${1#Z:}"; echo "${p//\\//}"; }
    for program in tool floor; do
        trace "$program" 1
        trace "$program" "$calls"
        echo "Win32 file calls per document, $program (a run on $calls documents less one on 1):"
        join -a 2 -e 0 -o 0,1.2,2.2 "$work/calls1/counts.$program" "$work/calls$calls/counts.$program" |
            awk -v n="$calls" '{ d = ($3 - $2) / (n - 1); if (d > 0) { printf "  %-30s %6.2f\n", $1, d; t += d } }
                END { printf "  %-30s %6.2f\n", "all", t }'
    done
fi
