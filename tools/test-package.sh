#!/usr/bin/env bash
# Builds the Debian package, installs it on this machine, checks its desktop
# files, starts the installed program under Xvfb until its window shows, runs
# the installed vantrelle-replace on a publication, and purges the package.
#
#   tools/test-package.sh [--build DIR] [--corpus DIR]
#
# The publication is an installed sample, or 60685.pub of the corpus folder
# given with --corpus. Needs root or sudo.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build"
corpus=""
while [ $# -gt 0 ]; do
  case "$1" in
    --build) build="$(realpath -m "$2")"; shift 2 ;;
    --corpus) corpus="$2"; shift 2 ;;
    *) echo "unknown argument: $1 (use --build DIR, --corpus DIR)" >&2; exit 2 ;;
  esac
done
sample=/usr/share/vantrelle/Samples/Spring-Fair-Flyer.pub
publication="$sample"
if [ -n "$corpus" ]; then
  publication="$corpus/60685.pub"
  [ -f "$publication" ] || {
    echo "no publication at $publication: give the corpus folder with --corpus DIR" >&2
    exit 2
  }
fi
step() { printf '[package] %s\n' "$*"; }
sudo_cmd=""
[ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"

step "building vantrelle and vantrelle-replace in $build"
cmake -S "$root" -B "$build" >/dev/null
cmake --build "$build" -j"$(nproc)" --target vantrelle vantrelle-replace samples \
  >/dev/null
rm -rf "$build/package"
step "making the .deb"
(cd "$build" && cpack -G DEB -B "$build/package" >/dev/null)
deb="$(ls "$build"/package/vantrelle_*.deb)"
dpkg-deb --field "$deb" Package Version Depends

# shellcheck source=tools/xdisplay.sh
source "$root/tools/xdisplay.sh"
cleanup() {
  stop_display
  if dpkg-query -W vantrelle >/dev/null 2>&1; then
    $sudo_cmd apt-get purge -y -qq vantrelle >/dev/null 2>&1 || true
  fi
}
trap cleanup EXIT

step "installing $(basename "$deb")"
$sudo_cmd apt-get -o DPkg::Lock::Timeout=900 install -y -qq --no-install-recommends "$deb" \
  >/dev/null
test -x /usr/bin/vantrelle && test -x /usr/bin/vantrelle-replace
test -f /usr/share/vantrelle/HAND-M.CUR && test -f "$sample"

step "validating the desktop entry and the metainfo"
desktop-file-validate /usr/share/applications/org.vantrelle.Vantrelle.desktop
appstreamcli validate --no-net --explain /usr/share/metainfo/org.vantrelle.Vantrelle.metainfo.xml \
  >/dev/null
/usr/bin/vantrelle --version

step "starting the installed program on a virtual display"
start_display
start_program /usr/bin/vantrelle "$publication"
wait_for_window
stop_display

step "running the installed vantrelle-replace"
text="$(/usr/bin/vantrelle-replace --text "$publication")"
[ -n "$text" ] || { echo "vantrelle-replace printed no text" >&2; exit 1; }
work="$(mktemp -d)"
counts="$(/usr/bin/vantrelle-replace "$sample" "$work/out.pub" 2026 2027)"
grep -q ': [1-9][0-9]* replaced' <<<"$counts" || {
  echo "vantrelle-replace changed nothing in the installed sample" >&2
  exit 1
}
rm -rf "$work"

step "purging the package"
$sudo_cmd apt-get purge -y -qq vantrelle >/dev/null
! test -e /usr/bin/vantrelle
step "ok"
