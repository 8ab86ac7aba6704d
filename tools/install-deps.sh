#!/usr/bin/env bash
# Installs the Debian packages the program needs (tools/packages.txt) and,
# with --tests, those its tests and tools need too (tools/packages-test.txt),
# with --windows those of the Windows build (tools/packages-windows.txt).
# Does nothing when every one of them is installed already; apt's output goes
# to a log that is shown only when the install fails.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
lists=("$here/packages.txt")
for option in "$@"; do
  case "$option" in
  --tests) lists+=("$here/packages-test.txt") ;;
  --windows) lists+=("$here/packages-windows.txt") ;;
  *) echo "install-deps.sh: unknown option $option" >&2; exit 2 ;;
  esac
done
mapfile -t packages < <(cat "${lists[@]}" | grep -v '^#' | grep -v '^$')

missing=()
for package in "${packages[@]}"; do
  status="$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)"
  [ "$status" = installed ] || missing+=("$package")
done
[ "${#missing[@]}" -eq 0 ] && exit 0

sudo_cmd=""
[ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
export DEBIAN_FRONTEND=noninteractive
log="$(mktemp -t vantrelle-apt.XXXXXX.log)"
echo "    installing ${#missing[@]} packages: ${missing[*]} (log: $log)"
# Another apt run may hold the package lock: wait for it rather than fail.
apt=($sudo_cmd apt-get -o DPkg::Lock::Timeout=900)
if ! { "${apt[@]}" update -qq && "${apt[@]}" install -y -qq --no-install-recommends "${missing[@]}"; } \
  >"$log" 2>&1; then
  tail -n 20 "$log" >&2
  echo "installing the packages failed; the whole apt output is in $log" >&2
  exit 1
fi
rm -f "$log"
