#!/usr/bin/env bash
# Builds the Debian package dist/paluksen_<version>_amd64.deb with Debian's own tools, from a copy
# of the sources (dpkg-buildpackage leaves its results beside the source folder).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
install_missing "${BUILD_PACKAGES[@]}" "${DEB_PACKAGES[@]}"

version=$(dpkg-parsechangelog -l debian/changelog -S Version)
work=build-deb
rm -rf "$work"
mkdir -p "$work/paluksen" dist
# The files git knows of, as they are in the worktree: an uncommitted change is packaged too.
git ls-files -z --cached --others --exclude-standard | xargs -0 -I{} sh -c '[ ! -e "$1" ] || printf "%s\0" "$1"' _ {} |
  tar --null -T - -cf - | tar -xf - -C "$work/paluksen"
(cd "$work/paluksen" && dpkg-buildpackage -us -uc -b -j2)
cp "$work/paluksen_${version}_amd64.deb" dist/
echo "dist/paluksen_${version}_amd64.deb"
