# Sourced by the Windows tests: Wine's programs ($wine, $wineserver), a fresh
# headless prefix, the PASS and FAIL lines and Wine's spelling of a path.
# Needs $work, a temporary folder of the caller's; check counts into
# $passed and $failed.
tool() { command -v "$1" 2>/dev/null || echo "/usr/lib/wine/$1"; }
wine="$(tool wine64)"
wineserver="$(tool wineserver64)"
fresh_prefix() { # a prefix in $work, stopped and removed with $work on exit
    export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=,winedbg.exe=d"
    unset DISPLAY WAYLAND_DISPLAY
    trap '"$wineserver" -k 2>/dev/null || true; rm -rf "$work"' EXIT
}
check() { # check NAME COMMAND...: one PASS or FAIL line
    local name="$1"
    shift
    if "$@" >"$work/check.log" 2>&1; then
        echo "PASS $name"
        passed=$((passed + 1))
    else
        echo "FAIL $name"
        sed 's/^/  /' "$work/check.log" | head -n 20
        failed=$((failed + 1))
    fi
}
winpath() { # an absolute Linux path as Wine's Z: drive spells it
    local p="${1//\//\\}"
    echo "Z:$p"
}
