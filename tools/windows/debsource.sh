#!/usr/bin/env bash
# Unpacks Debian's source package PACKAGE=VERSION into DEST, through apt
# lists of its own in WORK (the machine's own source lists are left alone).
#   tools/windows/debsource.sh PACKAGE VERSION DEST WORK
set -euo pipefail
package="$1" version="$2" dest="$3" work="$4"
apt_dir="$work/apt"
mkdir -p "$apt_dir/sources.list.d" "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial"
cat >"$apt_dir/sources.list.d/debian-src.sources" <<SOURCES
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

SOURCES
apt_private=(-o Dir::Etc::SourceList=/dev/null -o Dir::Etc::SourceParts="$apt_dir/sources.list.d"
    -o Dir::State::Lists="$apt_dir/lists" -o Dir::Cache="$apt_dir/cache"
    -o APT::Sandbox::User=root)
apt-get "${apt_private[@]}" update
rm -rf "$dest" "$work/download"
mkdir -p "$work/download"
(cd "$work/download" && apt-get "${apt_private[@]}" source --download-only "$package=$version")
dpkg-source --no-check -x "$work/download/${package}_"*.dsc "$dest"
rm -rf "$work/download" "$apt_dir"
