#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary prefix and checks what a desktop and a
# shell see of it: the programs run from there (and find their translations
# and the user guide there), the desktop entry, MIME type and manual pages
# pass the Debian validators, the manual pages name every option the
# programs accept, and the bash completion offers the commands.
# Usage: check-installed-tree.sh BUILD_DIR. Exit 77 (skipped) when a tool is
# missing.
set -euo pipefail
build=$(cd "$1" && pwd)

for tool in desktop-file-validate xmllint update-mime-database man groff file; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is missing (bash scripts/install-deps.sh installs it)"
    exit 77
  fi
done
completion_library=/usr/share/bash-completion/bash_completion
if [ ! -f "$completion_library" ]; then
  echo "SKIP: bash-completion is missing (bash scripts/install-deps.sh installs it)"
  exit 77
fi

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
cd /   # nothing may be found through the working directory

failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}
# Runs a command that must succeed quietly on standard error.
quiet() {
  local errors
  if ! errors=$("$@" 2>&1 >/dev/null) || [ -n "$errors" ]; then
    fail "$* reported: ${errors:-its exit code}"
  fi
}
expect_output() {
  local pattern=$1
  shift
  local output
  output=$("$@" 2>&1) || true
  grep -qE -- "$pattern" <<<"$output" || fail "$* did not print /$pattern/: $output"
}

bin=$prefix/bin
share=$prefix/share
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")

# The programs, run from the prefix.
for program in karix karix-cli karix-sim; do
  expect_output "^$program $version \(commit [^)]+\)$" "$bin/$program" --version
  expect_output '^Licence GPL-3.0-or-later' "$bin/$program" --version
done
grep -qx 'License: GPL-3+' "$share/doc/karix/copyright" || fail "no licence in the copyright file"
expect_output '^Usage: karix ' "$bin/karix" --help
expect_output '^Commands:' "$bin/karix-cli" --help
expect_output '--drop-every-reply' "$bin/karix-sim" --help
expect_output '^Aufruf: karix ' env LANGUAGE=de LC_ALL=de_DE.UTF-8 "$bin/karix" --help
for design in "$share"/karix/examples/*.krx; do
  status=0
  "$bin/karix-cli" check "$design" >/dev/null || status=$?
  case $status in
    0 | 1 | 3) ;;
    *) fail "karix-cli check $design exited with $status" ;;
  esac
done
[ -e "$design" ] || fail "no example designs installed"

# The user guide, where the program looks for it (relative to itself), with
# every picture it shows.
guide=$bin/../share/karix/guide
if [ -f "$guide/index.html" ]; then
  for picture in $(grep -o 'src="[^"]*"' "$guide/index.html" | sed 's/src="\(.*\)"/\1/'); do
    file "$guide/$picture" | grep -q 'PNG image data' || fail "guide picture $picture"
  done
else
  fail "no user guide in $guide"
fi

# Desktop entry, MIME type and icons.
entry=$share/applications/karix.desktop
quiet desktop-file-validate "$entry"
grep -qx 'Categories=Science;Electronics;' "$entry" || fail "desktop entry categories"
grep -qx 'MimeType=application/x-karix-design;' "$entry" || fail "desktop entry MIME type"
mime=$share/mime/packages/karix.xml
quiet xmllint --noout "$mime"
quiet env XDG_DATA_DIRS="$share" update-mime-database "$share/mime"
grep -qx 'application/x-karix-design' "$share/mime/types" || fail "MIME type not registered"
grep -q ':application/x-karix-design:\*\.krx' "$share/mime/globs2" || fail "no *.krx glob"
for root in KaRiX Karix Tarvelon; do
  grep -qx " $root application/x-karix-design" "$share/mime/XMLnamespaces" ||
    fail "root element $root not recognised"
done
for size in 16 22 24 32 48 64 128 256; do
  icon=$share/icons/hicolor/${size}x${size}/apps/karix.png
  file "$icon" | grep -q "PNG image data, $size x $size" || fail "icon $icon"
done

# Manual pages render without warnings and name every option.
help_options() {
  grep -oE -- '(^|[ ,])--?[a-z][a-z-]*' | tr -d ' ,' | sort -u
}
check_manual() {
  local page=$share/man/man1/$1.1.gz
  shift
  quiet env LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page"
  local text option
  text=$(LC_ALL=C MANWIDTH=200 man -l "$page" 2>/dev/null | col -b)
  for option in "$@"; do
    grep -qF -- "$option" <<<"$text" || fail "$page does not mention $option"
  done
}
cli_options=$("$bin/karix-cli" --help | sed -n '/^Commands:/,/^$/s/^  \([a-z]*\) .*/\1/p')
commands=$cli_options
for command in $commands; do
  cli_options+=$'\n'$("$bin/karix-cli" "$command" --help | sed -n '/^Options:/,/^$/s/^  \(-.*\)/\1/p' |
                       sed 's/  .*//' | help_options)
done
check_manual karix-cli $cli_options --version 130
check_manual karix-sim $("$bin/karix-sim" --help | sed -n 's/^  \(-[^ ]*\(, -[^ ]*\)*\).*/\1/p' |
                         help_options)
check_manual karix -h -t -u -o -a --help --version

# Bash completion offers the commands, a command's options and option values.
complete_line() {
  # shellcheck disable=SC1090
  (set +euo pipefail && source "$completion_library" && source "$share/bash-completion/completions/karix-cli" &&
     COMP_WORDS=("$bin/karix-cli" "$@") && COMP_CWORD=$# &&
     COMP_LINE="${COMP_WORDS[*]}" && COMP_POINT=${#COMP_LINE} &&
     _karix_cli karix-cli "${COMP_WORDS[-1]}" "${COMP_WORDS[-2]}" &&
     printf '%s\n' "${COMPREPLY[@]}")
}
offers() {
  local expected=$1
  shift
  local offered
  offered=$(complete_line "$@")
  for word in $expected; do
    grep -qx -- "$word" <<<"$offered" || fail "completion of '$*' lacks $word: $offered"
  done
}
offers "check compile download verify version protect rom netsetup counters --version" ""
offers "counters" co
offers "--force --host --udp-port --json" download -
offers "list save restore boot init" rom ""
offers "on off" protect --current ""

[ "$failures" -eq 0 ] || exit 1
echo "installed tree in a temporary prefix: all checks passed"
