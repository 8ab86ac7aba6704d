#!/usr/bin/env bash
# Installs the Debian packages the program, its tests and its tools need.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
sudo_cmd=""
[ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo_cmd apt-get update -qq
# shellcheck disable=SC2046
$sudo_cmd apt-get install -y -qq --no-install-recommends $(grep -v '^#' "$here/packages.txt") >/dev/null
