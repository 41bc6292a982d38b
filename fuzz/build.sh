#!/bin/sh
# Builds the fuzz targets with clang, ASan and UBSan:
#   fuzz/build.sh [build dir]      (default: ../build-fuzz beside the sources)
# Run:  <build dir>/reader_fuzzer -max_len=65536 -max_total_time=600 <corpus dir> fuzz/corpus
set -e
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../../build-fuzz}
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j2
