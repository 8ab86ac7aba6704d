#!/usr/bin/env bash
# Builds the Debian package, installs it on this machine, checks its desktop
# files, starts the installed program under Xvfb until its window shows, runs
# the installed vantrelle-replace on a publication, and purges the package.
#
#   tools/test-package.sh [--build DIR] [--corpus DIR]
#
# The corpus folder (default ../shared/corpus beside the clone, or
# $VANTRELLE_CORPUS_DIR) must hold 60685.pub. Needs root or sudo.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build"
corpus="${VANTRELLE_CORPUS_DIR:-$root/../shared/corpus}"
while [ $# -gt 0 ]; do
  case "$1" in
    --build) build="$(realpath -m "$2")"; shift 2 ;;
    --corpus) corpus="$2"; shift 2 ;;
    *) echo "unknown argument: $1 (use --build DIR, --corpus DIR)" >&2; exit 2 ;;
  esac
done
publication="$corpus/60685.pub"
[ -f "$publication" ] || {
  echo "no publication at $publication: give the corpus folder with --corpus DIR" >&2
  exit 2
}
step() { printf '[package] %s\n' "$*"; }
sudo_cmd=""
[ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"

step "building vantrelle and vantrelle-replace in $build"
cmake -S "$root" -B "$build" >/dev/null
cmake --build "$build" -j"$(nproc)" --target vantrelle vantrelle-replace >/dev/null
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
test -f /usr/share/vantrelle/HAND-M.CUR && test -d /usr/share/vantrelle/Samples

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

step "purging the package"
$sudo_cmd apt-get purge -y -qq vantrelle >/dev/null
! test -e /usr/bin/vantrelle
step "ok"
