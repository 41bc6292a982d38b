#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Rebuilds the pictures under resources/ from scripts/make-images.cpp.
# Usage: scripts/make-images.sh [BUILD_DIR]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-${TMPDIR:-/tmp}/karix-make-images}"
mkdir -p "$build"
cat > "$build/CMakeLists.txt" <<CMAKE
cmake_minimum_required(VERSION 3.25)
project(make_images LANGUAGES CXX)
set(CMAKE_CXX_STANDARD 17)
find_package(Qt6 REQUIRED COMPONENTS Gui)
add_executable(make-images "$root/scripts/make-images.cpp")
target_link_libraries(make-images PRIVATE Qt6::Gui)
CMAKE
cmake -S "$build" -B "$build/out" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build/out" >/dev/null
QT_QPA_PLATFORM=offscreen "$build/out/make-images" "$root/resources"
