#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every source file of the project starts with its licence's SPDX line:
# "// SPDX-…" in C++, "# SPDX-…" in CMake and shell (after the "#!" line of a
# script). Test data (fuzz/corpus, *.krx, *.xml), generated files (a "do not
# edit" warning in their first lines), third-party folders and files that
# carry another licence's SPDX line are left alone.
#   scripts/spdx.sh          lists the files without the line; exit 1 if any
#   scripts/spdx.sh --add    adds the line to those files; running it again
#                            changes nothing
set -euo pipefail
cd "$(dirname "$0")/.."
tag='SPDX-License-Identifier: GPL-3.0-or-later'

case ${1:-} in
  "") mode=check ;;
  --add) mode=add ;;
  *) echo "usage: $0 [--add]" >&2; exit 2 ;;
esac

source_files() {
  find src tests bench scripts fuzz cmake \
       \( -path fuzz/corpus -o -name third_party -o -name 3rdparty \) -prune -o \
       -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.sh' -o -name '*.bash' \
                  -o -name '*.cmake' -o -name CMakeLists.txt \) -print
  echo CMakeLists.txt
}

comment_for() {
  case $1 in
    *.cpp | *.h) echo '//' ;;
    *) echo '#' ;;
  esac
}

# Reads the first lines of a file into $top (no process per file: the check
# runs over hundreds of files).
read_top() {
  top=()
  mapfile -n 5 -t top <"$1"
}

is_generated() {
  local text=${top[*]:-}
  [[ ${text,,} =~ do\ not\ edit|changes\ made\ in\ this\ file\ will\ be\ lost ]]
}

# Any SPDX line in the first two lines counts, so that a file under another
# licence (copied from elsewhere) keeps its own.
has_line() {
  [[ ${top[0]:-} == *SPDX-License-Identifier:* || ${top[1]:-} == *SPDX-License-Identifier:* ]]
}

add_line() {
  local line
  line="$(comment_for "$1") $tag"
  if [ ! -s "$1" ]; then
    printf '%s\n' "$line" >"$1"
  elif [[ ${top[0]:-} == '#!'* ]]; then
    sed -i "1a $line" "$1"
  else
    sed -i "1i $line" "$1"
  fi
}

missing=0
while IFS= read -r file; do
  read_top "$file"
  if is_generated || has_line; then
    continue
  fi
  if [ "$mode" = add ]; then
    add_line "$file"
  else
    echo "no '$tag' line at the top: $file"
    missing=$((missing + 1))
  fi
done < <(source_files | sort)
[ "$missing" -eq 0 ]
