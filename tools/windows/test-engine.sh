# Sourced by tools/test-windows.sh --engine, in its fresh Wine prefix ($wine,
# $work, $windows_build): the Windows build's tests. Adds to $passed and
# $failed; prints PASS, FAIL and SKIP lines.
bin="$windows_build/bin"
source tools/windows/wine-tests.sh
if [[ ! -x "$bin/vantrelle-replace.exe" ]]; then
    echo "FAIL no Windows build in $windows_build: run tools/build-windows.sh first"
    failed=$((failed + 1))
    return
fi
export QT_QPA_PLATFORM=minimal
# The Linux tool and samples the Windows ones are compared with.
if [[ ! -x build/cli/vantrelle-replace || ! -d build/app/Samples ]]; then
    cmake -S . -B build -DVANTRELLE_BENCH=OFF >/dev/null
    cmake --build build -j"$(nproc)" --target vantrelle-replace samples >/dev/null
fi
linux_tool="$PWD/build/cli/vantrelle-replace"
wtool() { timeout 300 "$wine" "$bin/vantrelle-replace.exe" "$@"; }

# --help's examples as cmd.exe takes them: double quotes only, Windows paths.
help_examples_for_cmd() {
    wtool --help | tr -d '\r' | sed -n '/^Examples:/,$p' >"$work/examples"
    grep -qF 'C:\Flyers' "$work/examples" && ! grep -qE "/srv|'" "$work/examples"
}
check "--help: the examples as cmd.exe takes them" help_examples_for_cmd

# The samples written by the engine on Windows (the tests read them too) are
# the Linux build's, byte for byte.
# They are where the tests look for them too.
samples="$PWD/$windows_build/app/Samples"
rm -rf "$samples"
mkdir -p "$(dirname "$samples")"
cp -r "$bin/Samples" "$samples"
check "samples written on Windows (by tools/build-windows.sh) equal those written on Linux" \
    diff -r build/app/Samples "$samples"

# The engine's and the run core's tests.
# Left out under Wine, each with its reason: tests that run the Linux readers
# (olefile, pub2raw, Apache POI) on what they wrote, one that needs a
# symbolic link, and Thai word breaks, which need ICU (Qt for Windows is built
# without it).
linux_readers="Writer.everyReaderReadsWhatWasWritten:Writer.engineEditsKeepEveryReaderInAgreement"
linux_readers+=":Unusual.*:Pub97.editsReadBackByLibmspubAsAskedAndUndoToTheSameStream"
linux_readers+=":Container.writtenTreeReadsBackHereAndInOlefile"
symlink="Server.openFailureLeavesNoDocumentAndSaveNeverOverwritesTheSource"
thai="Matcher.findsWhatEachOptionMeans"
for t in ${linux_readers//:/ }; do echo "SKIP pubengine_tests $t: runs the Linux readers"; done
echo "SKIP pubengine_tests $symlink: needs a symbolic link (QFile::link makes a shortcut)"
echo "SKIP pubengine_tests $thai: Thai word breaks need ICU, which Qt for Windows is built without"
declare -A filters=([pubengine_tests]="-$linux_readers:$symlink:$thai")
# count_gtest NAME OUTPUT: a test binary's PASS, FAIL and SKIP lines and its
# counts, added to the totals.
count_gtest() {
    python3 tools/windows/gtest-lines.py "$1" <"$2" >"$2.lines"
    head -n -1 "$2.lines"
    read -r p f < <(tail -n 1 "$2.lines")
    echo "$1 under Wine: $p passed, $f failed"
    passed=$((passed + p))
    failed=$((failed + f))
}
# LibreOffice where Windows installs it is played by a stand-in (the window's
# pages and, below, the tool's --pdf).
lo="$work/libreoffice"
mkdir -p "$lo/out"
x86_64-w64-mingw32-g++-posix -municode -static -O2 -o "$lo/soffice.exe" \
    tools/windows/soffice-standin.cpp
# The window's tests draw with the Windows platform plugin, on a display of
# their own (Wine makes no window, not even Qt's hidden ones, without one).
linux_only="ReportFixture.CsvAndCopiedTableCarryEveryRow:ReportFixture.HeaderSortsEveryColumnAsQtWould"
linux_only+=":RunFixture.SourceReachedThroughALinkIsNeverTheOutput"
echo "SKIP run_window_tests ${linux_only//:/, }: read the CSV with python3, copy the corpus by its Linux path, need a symbolic link"
filters[run_window_tests]="-$linux_only"
window_display=":$((300 + RANDOM % 100))"
Xvfb "$window_display" -screen 0 1600x1200x24 -noreset >/dev/null 2>&1 &
window_xvfb=$!
for test in fsutil_tests run_tests pubengine_tests run_window_tests window_windows_tests; do
    display=""
    if [[ "$test" == *window* ]]; then
        display="$window_display"
        # Wine's desktop, started without a display so far, shows no window:
        # a new one starts with the test.
        "$wineserver" -k 2>/dev/null || true
        "$wineserver" -w
    fi
    DISPLAY="$display" QT_QPA_PLATFORM="${display:+windows}${display:-minimal}" \
        VANTRELLE_SOFFICE_STANDIN="$(winpath "$lo/soffice.exe")" timeout 900 "$wine" "$bin/$test.exe" --gtest_color=no --gtest_filter="${filters[$test]:-*}" \
        >"$work/$test.out" 2>&1 || true
    count_gtest "$test" "$work/$test.out"
done
# The window at 150 %: Windows' own setting, read when Wine's desktop starts.
"$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
"$wineserver" -k 2>/dev/null || true
"$wineserver" -w
DISPLAY="$window_display" QT_QPA_PLATFORM=windows VANTRELLE_EXPECTED_SCALE=1.5 \
    timeout 300 "$wine" "$bin/window_windows_tests.exe" --gtest_color=no \
    --gtest_filter='*TheMonitorsScale*' >"$work/scale.out" 2>&1 || true
count_gtest "window_windows_tests at 150 %" "$work/scale.out"
"$wine" reg delete 'HKCU\Control Panel\Desktop' /v LogPixels /f >/dev/null 2>&1
"$wineserver" -k 2>/dev/null || true
kill "$window_xvfb" 2>/dev/null || true


# The tool on the samples and on the corpus: results byte for byte the Linux
# tool's, reports equal but for path spellings.
compare_runs() { # compare_runs NAME SOURCE_FOLDER OPTIONS...
    local name="$1" sources="$2"
    shift 2
    local l="$work/runs/$name/linux" w="$work/runs/$name/windows" files=()
    mkdir -p "$l" "$w"
    mapfile -t files < <(find "$sources" -maxdepth 1 -name '*.pub' | sort)
    local wfiles=()
    for f in "${files[@]}"; do wfiles+=("$(winpath "$f")"); done
    "$linux_tool" "$@" --out-dir "$l" --report "$l/report.json" "${files[@]}" >/dev/null 2>&1 || true
    wtool "$@" --out-dir "$(winpath "$w")" --report "$(winpath "$w/report.json")" \
        "${wfiles[@]}" >/dev/null 2>&1 || true
    check "$name: results byte for byte the Linux tool's" \
        diff -r --exclude=report.json "$l" "$w"
    check "$name: report equal but for path spellings" \
        python3 tools/windows/same-report.py "$l/report.json" "$w/report.json" \
        "$sources" "$l" "$w"
}
compare_runs "samples --pair 2026 2027" "$PWD/build/app/Samples" --pair 2026 2027
corpus="${VANTRELLE_CORPUS_DIR:-../shared/corpus}"
if [[ -d "$corpus" ]]; then
    corpus="$(cd "$corpus" && pwd)"
    compare_runs "corpus, links and properties" "$corpus" --pair e E --pair the THE \
        --in-links --in-properties
    compare_runs "corpus, whole words matching case" "$corpus" --pair The A --whole-word \
        --match-case
    compare_runs "corpus, regular expression" "$corpus" --regex --pair '(\w)(\w)' '\2\1'
else
    echo "SKIP tool on the corpus: no corpus of real publications at $corpus"
fi

# Path spellings Windows has, in place of the Linux table's mounts and links:
# the source keeps its bytes; a spelling of its own folder gets the _replaced
# name, its file reached another way is skipped with the reason.
spell="$work/spell"
original="$samples/Letterhead.pub"
spelling() { # spelling NAME EXPECTED(result path | skipped | kept) OUTPUT-OPTIONS...
    local name="$1" expected="$2" row="$spell/$((++rows))"
    shift 2
    mkdir -p "$row/a"
    cp "$original" "$row/a/Letterhead.pub"
    local options=("${@//@/$(winpath "$row")}")
    wtool --pair 2026 2027 --report "$(winpath "$row/r.json")" "${options[@]}" \
        "$(winpath "$row/a/Letterhead.pub")" >"$row/out" 2>&1 || true
    {
        cmp "$original" "$row/a/Letterhead.pub" || { echo "the source changed"; return 1; }
        case "$expected" in
        skipped) grep -q '"outcome": "skipped"' "$row/r.json" &&
            grep -q "the same file as the document itself" "$row/r.json" ;;
        kept) grep -q "the same file as the document itself" "$row/r.json" ||
            ! cmp -s "$original" "$row/a/Letterhead_replaced.pub" ;;
        *) grep -q '"outcome": "written"' "$row/r.json" && ! cmp -s "$original" "$row/$expected" ;;
        esac || { cat "$row/out" "$row/r.json"; return 1; }
    } >"$row/check" 2>&1
}
rows=0
check "spelling: the folder in other letter case" \
    spelling case a/Letterhead_replaced.pub --out-dir '@\A'
check "spelling: the name in other letter case beside it" \
    spelling besidecase a/Letterhead_replaced.pub --out-dir '@\a\..\A\.'
check "spelling: forward slashes and a doubled separator" \
    spelling slashes a/Letterhead_replaced.pub --out-dir "$(winpath "$spell")/3//a/"
# A second drive letter for the same folder, as subst makes one: either
# reading of it keeps the source.
mkdir -p "$spell/4"
ln -sfn "$spell/4" "$WINEPREFIX/dosdevices/y:"
check "spelling: a subst drive (Y:) for the source's folder" \
    spelling subst kept --out-dir 'Y:\a'
check "spelling: a hard link under the result's name is skipped" bash -c "
    mkdir -p '$spell/9/a' && cp '$original' '$spell/9/a/Letterhead.pub' &&
    ln '$spell/9/a/Letterhead.pub' '$spell/9/a/Letterhead_replaced.pub'"
check "spelling: ... and the source keeps its bytes" bash -c "
    timeout 300 '$wine' '$bin/vantrelle-replace.exe' --pair 2026 2027 --beside \
        --report '$(winpath "$spell/9/r.json")' '$(winpath "$spell/9/a/Letterhead.pub")' \
        >/dev/null 2>&1; cmp '$original' '$spell/9/a/Letterhead.pub' &&
    grep -q 'the same file as the document itself' '$spell/9/r.json'"
long="$spell/long/$(printf 'folder-with-a-long-name-%02d/' {1..12})"
mkdir -p "$long"
cp "$original" "$long/Letterhead.pub"
check "a path of ${#long} characters is read and written" bash -c "
    timeout 300 '$wine' '$bin/vantrelle-replace.exe' --pair 2026 2027 --beside \
        '$(winpath "$long/Letterhead.pub")' >/dev/null 2>&1;
    cmp '$work/runs/samples --pair 2026 2027/linux/Letterhead.pub' '$long/Letterhead_replaced.pub'"
mkdir -p "$spell/reserved"
cp "$original" "$spell/reserved/CON.pub"
check "a source named CON.pub is refused with the reason" bash -c "
    timeout 300 '$wine' '$bin/vantrelle-replace.exe' --pair 2026 2027 --out-dir '$(winpath "$work")' \
        --report '$(winpath "$spell/reserved/r.json")' '$(winpath "$spell/reserved/CON.pub")' >/dev/null 2>&1;
    grep -q 'Windows reserves the name CON' '$spell/reserved/r.json'"
# The publishing program as the editor, played by the fake server registered
# above, which reads and saves a publication as plain text.
mkdir -p "$work/program/out"
printf 'Spring Fair 2026' >"$work/program/Flyer.pub"
check "--engine program: the publishing program edits, the result is what it saved" bash -c "
    timeout 120 '$wine' '$bin/vantrelle-replace.exe' --engine program --pair 2026 2027 \
        --out-dir '$(winpath "$work/program/out")' '$(winpath "$work/program/Flyer.pub")' &&
    [[ \$(cat '$work/program/out/Flyer.pub') == 'Spring Fair 2027' ]]"
# LibreOffice where Windows installs it, played by a stand-in: missing, the
# tool says where to get it; registered in App Paths, every result gets its PDF.
pdf_run() { wtool --pdf --pair 2026 2027 --out-dir "$(winpath "$lo/out")" \
    "$(winpath "$samples/Letterhead.pub")" "$(winpath "$samples/Spring-Fair-Flyer.pub")"; }
check "--pdf without LibreOffice says where to get it" bash -c "
    $(declare -f winpath wtool pdf_run); wine='$wine' bin='$bin' lo='$lo' samples='$samples'
    pdf_run 2>&1 | grep -q 'https://www.libreoffice.org/download/'; [[ \${PIPESTATUS[0]} == 2 ]]"
"$wine" reg add 'HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\App Paths\soffice.exe' \
    /ve /d "$(winpath "$lo/soffice.exe")" /f >/dev/null 2>&1
check "--pdf finds LibreOffice through App Paths: a PDF of every result" bash -c "
    $(declare -f winpath wtool pdf_run); wine='$wine' bin='$bin' lo='$lo' samples='$samples'
    pdf_run >/dev/null 2>&1 && head -c 5 '$lo/out/Letterhead.pdf' | grep -q '%PDF-' &&
    head -c 5 '$lo/out/Spring-Fair-Flyer.pdf' | grep -q '%PDF-'"
echo "SKIP Ctrl+C and closing the console: a headless Wine has no console to send them"
echo "SKIP a second spelling of a share: Wine serves no shares"
