#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets with clang, ASan and UBSan (no fuzzing run):
#   fuzz/build.sh [build dir]      (default: build-fuzz in the checkout)
# Run:  <build dir>/fuzz/reader_fuzzer -max_len=65536 -max_total_time=600 <corpus dir> fuzz/corpus
set -e
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build-fuzz}
launcher=""
command -v ccache >/dev/null && launcher="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
cmake -S "$here/.." -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
      -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKARIX_FUZZ=ON -DBUILD_TESTING=OFF $launcher
cmake --build "$build" -j2 --target reader_fuzzer
