#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from build/, installs it, runs the installed
# programs on the installed examples, and removes the package again.
#   scripts/package.sh            installs into a scratch root with dpkg --root
#                                 (dependencies checked against this machine)
#   scripts/package.sh --system   installs on this machine with apt (as root),
#                                 checks the MIME database and "man karix-cli",
#                                 then purges it again
# Prints the package file, its size and its dependency line, and what
# Debian's package checker lintian says of it: any error (E:) or warning (W:)
# fails the script. The package stays in build/packages/.
set -euo pipefail
cd "$(dirname "$0")/.."
case ${1:-} in
  "") mode=scratch ;;
  --system) mode=system ;;
  *) echo "usage: $0 [--system]" >&2; exit 2 ;;
esac

bash scripts/install-deps.sh --package
bash scripts/build.sh >/dev/null
rm -f build/packages/karix_*.deb
if ! (cd build && cpack -G DEB >cpack.log 2>&1); then
  cat build/cpack.log >&2
  exit 1
fi
deb=$(ls "$PWD"/build/packages/karix_*.deb)
echo "package: $deb"
echo "size: $(du -k "$deb" | cut -f1) KiB ($(stat -c %s "$deb") bytes)," \
     "installed $(dpkg-deb -f "$deb" Installed-Size) KiB"
echo "Depends: $(dpkg-deb -f "$deb" Depends)"

# Informational (I:) remarks are shown; errors and warnings fail.
echo "lintian $(lintian --version | sed 's/^Lintian v//'):"
if ! lintian --display-info --fail-on error,warning "$deb" | sed 's/^/  /'; then
  echo "package: lintian reports errors or warnings" >&2
  exit 1
fi

# Checks the installed programs under ROOT (empty for the machine itself).
check_installed() {
  local root=$1
  "$root/usr/bin/karix-cli" --version
  "$root/usr/bin/karix" --version
  "$root/usr/bin/karix-sim" --version >/dev/null
  local design status
  for design in "$root"/usr/share/karix/examples/*.krx; do
    status=0
    "$root/usr/bin/karix-cli" check "$design" >/dev/null || status=$?
    echo "karix-cli check $design: exit code $status"
    if [ "$status" -ne 0 ] && [ "$status" -ne 3 ]; then
      echo "package: an installed example fails the design rule check" >&2
      exit 1
    fi
  done
}

if [ "$mode" = scratch ]; then
  apt-get install --simulate -qq "$deb" 2>/dev/null | grep '^Inst karix ' ||
    { echo "package: apt cannot satisfy the dependencies here" >&2; exit 1; }
  root=$(mktemp -d)
  trap 'rm -rf "$root"' EXIT
  # The scratch root's package database is a copy of this machine's, whose
  # libraries the programs under it use: dpkg checks the dependencies for real.
  # Their file lists stay empty: nothing of theirs is in the scratch root.
  mkdir -p "$root"/var/lib/dpkg/{info,updates,triggers}
  cp /var/lib/dpkg/status "$root"/var/lib/dpkg/status
  touch "$root"/var/lib/dpkg/available
  (cd "$root"/var/lib/dpkg/info &&
     dpkg-query -W -f='${binary:Package}.list\n' | xargs touch)
  dpkg=(dpkg --root="$root" --log=/dev/null)
  [ "$(id -u)" -eq 0 ] || dpkg+=(--force-not-root)
  "${dpkg[@]}" --install "$deb" >/dev/null
  check_installed "$root"
  "${dpkg[@]}" --purge karix >/dev/null
  left=$(find "$root/usr" -type f 2>/dev/null || true)
  if [ -n "$left" ]; then
    echo "package: files left after removal: $left" >&2
    exit 1
  fi
  echo "package: installed into a scratch root, checked and removed again"
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  echo "package: --system installs with apt and needs root" >&2
  exit 2
fi
if dpkg-query -W -f='${Status}' karix 2>/dev/null | grep -q "install ok installed"; then
  echo "package: karix is installed on this machine already; not touching it" >&2
  exit 1
fi
apt_get=(env DEBIAN_FRONTEND=noninteractive apt-get -y -qq -o DPkg::Lock::Timeout=300)
trap '"${apt_get[@]}" purge karix >/dev/null' EXIT
"${apt_get[@]}" install "$deb" >/dev/null
check_installed ""
# dpkg's triggers registered the design type with the desktop.
grep -q ':application/x-karix-design:\*\.krx$' /usr/share/mime/globs2 ||
  { echo "package: the MIME database does not know *.krx" >&2; exit 1; }
man -w karix-cli
MANWIDTH=80 man karix-cli 2>/dev/null | head -n 1
"${apt_get[@]}" purge karix >/dev/null
trap - EXIT
if [ -e /usr/bin/karix-cli ]; then
  echo "package: /usr/bin/karix-cli is still there after the removal" >&2
  exit 1
fi
echo "package: installed on this machine with apt, checked and removed again"
