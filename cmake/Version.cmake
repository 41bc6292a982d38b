# SPDX-License-Identifier: GPL-3.0-or-later
# karixversion.h: the version from project() and the commit the programs are
# built from, for the --version of karix, karix-cli and karix-sim. It is
# regenerated on every build, because commits do not re-run the
# configuration, but rewritten only when its text changes, so an unchanged
# commit recompiles nothing.
set(KARIX_COMMIT "" CACHE STRING
    "Commit reported by --version when building outside a git checkout (empty: ask git)")
set(KARIX_GENERATED_DIR ${PROJECT_BINARY_DIR}/generated)
add_custom_target(karix_version
  COMMAND ${CMAKE_COMMAND}
          -DSOURCE_DIR=${PROJECT_SOURCE_DIR}
          -DOUTPUT=${KARIX_GENERATED_DIR}/karixversion.h
          -DVERSION=${PROJECT_VERSION}
          -DCOMMIT=${KARIX_COMMIT}
          -P ${CMAKE_CURRENT_LIST_DIR}/WriteVersion.cmake
  BYPRODUCTS ${KARIX_GENERATED_DIR}/karixversion.h
  COMMENT "Looking up the commit for --version"
  VERBATIM)
foreach(program karix karix-cli karix-sim)
  add_dependencies(${program} karix_version)
  target_include_directories(${program} PRIVATE ${KARIX_GENERATED_DIR})
endforeach()
