#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the build, the tests and the demo need.
# Does nothing (and needs no network) when they are all present.
#   scripts/install-deps.sh             what building, testing and running need
#   scripts/install-deps.sh --package   also what scripts/package.sh needs
set -euo pipefail
packages=(cmake ninja-build g++ qt6-base-dev qt6-svg-dev qt6-tools-dev qt6-tools-dev-tools
          qt6-l10n-tools qt6-translations-l10n libgl-dev zlib1g-dev xvfb xauth xdotool imagemagick openbox)
# The installation test validates the installed tree with these; the package
# script needs dpkg-dev and file for the computed dependencies.
packages+=(desktop-file-utils libxml2-utils shared-mime-info man-db groff-base
           bash-completion file dpkg-dev)
# clang and its libFuzzer runtime build the fuzz target.
packages+=(clang libclang-rt-14-dev)
case ${1:-} in
  "") ;;
  # Debian's package checker, run on the package built.
  --package) packages+=(lintian) ;;
  *) echo "usage: $0 [--package]" >&2; exit 2 ;;
esac
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
