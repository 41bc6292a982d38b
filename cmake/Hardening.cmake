# SPDX-License-Identifier: GPL-3.0-or-later
# Optimised builds (RelWithDebInfo, Release) are hardened the way Debian builds
# its packages: checked string and memory functions, stack protector and stack
# clash probes, control-flow protection, position-independent programs, and
# read-only relocations bound at start-up. Debug builds stay plain, and so do
# sanitizer builds, whose interceptors and the fortified functions get in
# each other's way.
option(KARIX_HARDENING "Harden RelWithDebInfo and Release builds" ON)
if(KARIX_HARDENING AND NOT KARIX_SANITIZE)
  include(CheckPIESupported)
  check_pie_supported(LANGUAGES CXX)
  set(CMAKE_POSITION_INDEPENDENT_CODE ON)
  set(optimised "$<CONFIG:RelWithDebInfo,Release>")
  # _FORTIFY_SOURCE is undefined first: some compilers predefine another level.
  add_compile_options(
    "$<${optimised}:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>"
    "$<${optimised}:-fstack-protector-strong;-fstack-clash-protection;-fcf-protection>")
  add_link_options("$<${optimised}:LINKER:-z,relro;LINKER:-z,now>")
endif()
