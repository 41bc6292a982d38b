# SPDX-License-Identifier: GPL-3.0-or-later
# Installation as a Linux desktop program (cmake --install build --prefix P):
# the three programs, the desktop entry, the design document's MIME type, the
# icons, examples, translations, the user guide, manual pages and bash
# completion. Then the Debian package built from the same rules
# (scripts/package.sh).
include(GNUInstallDirs)

set(KARIX_DATA_DIR ${CMAKE_INSTALL_DATADIR}/karix)
set(KARIX_TRANSLATIONS_DIR ${KARIX_DATA_DIR}/translations)
set(KARIX_GUIDE_DIR ${KARIX_DATA_DIR}/guide)

# The programs look for their translations relative to its own folder, so that
# an installation works under any prefix and can be moved.
file(RELATIVE_PATH translations_from_bin ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_DATADIR}/karix/translations)
foreach(program karix karix-cli)
  target_compile_definitions(${program} PRIVATE
                             KARIX_TRANSLATIONS_FROM_BIN="${translations_from_bin}")
endforeach()
# The user guide likewise; a program in the build folder finds its copy in
# build/guide.
file(RELATIVE_PATH guide_from_bin ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_DATADIR}/karix/guide)
target_compile_definitions(karix_gui PRIVATE KARIX_GUIDE_FROM_BIN="${guide_from_bin}")
file(GLOB guide_files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/docs/guide/*.html
     ${PROJECT_SOURCE_DIR}/docs/guide/*.png)
set(guide_copies)
foreach(file IN LISTS guide_files)
  get_filename_component(name ${file} NAME)
  add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/guide/${name}
    COMMAND ${CMAKE_COMMAND} -E copy ${file} ${PROJECT_BINARY_DIR}/guide/${name}
    DEPENDS ${file}
    VERBATIM)
  list(APPEND guide_copies ${PROJECT_BINARY_DIR}/guide/${name})
endforeach()
add_custom_target(karix_guide ALL DEPENDS ${guide_copies})
add_dependencies(karix karix_guide)

install(TARGETS karix karix-cli karix-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# A stripped installation (cpack, cmake --install --strip) also drops the
# compilers' version notes, as Debian's packages do.
install(CODE "set(karix_strip \"${CMAKE_STRIP}\")
              set(karix_bindir \"${CMAKE_INSTALL_BINDIR}\")")
install(CODE [[
  if(CMAKE_INSTALL_DO_STRIP)
    foreach(program karix karix-cli karix-sim)
      execute_process(COMMAND "${karix_strip}" --remove-section=.comment
                              "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${karix_bindir}/${program}"
                      COMMAND_ERROR_IS_FATAL ANY)
    endforeach()
  endif()
]])
install(FILES ${KARIX_QM_FILES} DESTINATION ${KARIX_TRANSLATIONS_DIR})
install(FILES ${guide_files} DESTINATION ${KARIX_GUIDE_DIR})
file(GLOB example_designs CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/examples/*.krx)
install(FILES ${example_designs} DESTINATION ${KARIX_DATA_DIR}/examples)

install(FILES data/karix.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/karix-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME karix.xml)
install(DIRECTORY resources/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES data/karix-cli.bash DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
        RENAME karix-cli)

# The licence in Debian's machine-readable form, the package's changelog and
# the reviewed exceptions to Debian's package checks.
# The maintainer is the project, by its contact address, not a person.
set(KARIX_PACKAGE_MAINTAINER "KaRiX project <karix@quorvex.com>")
set(KARIX_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/karix)
configure_file(data/copyright.in ${PROJECT_BINARY_DIR}/doc/copyright @ONLY)
set(KARIX_PACKAGE_RELEASE 1)
set(debian_changelog ${PROJECT_BINARY_DIR}/doc/changelog.Debian)
configure_file(data/changelog.Debian.in ${debian_changelog} @ONLY)
file(STRINGS ${debian_changelog} changelog_top LIMIT_COUNT 1)
set(package_version ${PROJECT_VERSION}-${KARIX_PACKAGE_RELEASE})
if(NOT changelog_top MATCHES "^karix \\(${package_version}\\) ")
  message(WARNING "data/changelog.Debian.in has no entry for ${package_version} at the top")
endif()
add_custom_command(OUTPUT ${debian_changelog}.gz
  COMMAND sh -c "gzip -9nc \"$1\" > \"$1.gz\"" sh ${debian_changelog}
  DEPENDS ${debian_changelog}
  VERBATIM)
add_custom_target(karix_debian_changelog ALL DEPENDS ${debian_changelog}.gz)
install(FILES ${PROJECT_BINARY_DIR}/doc/copyright DESTINATION ${KARIX_DOC_DIR})
install(FILES ${debian_changelog}.gz DESTINATION ${KARIX_DOC_DIR})
install(FILES data/karix.lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME karix)

# Manual pages get the version from project() and are compressed, as Debian
# installs them.
set(man_pages)
foreach(program karix karix-cli karix-sim)
  set(page ${PROJECT_BINARY_DIR}/man/${program}.1)
  configure_file(docs/man/${program}.1.in ${page} @ONLY)
  add_custom_command(OUTPUT ${page}.gz
    COMMAND sh -c "gzip -9nc \"$1\" > \"$1.gz\"" sh ${page}
    DEPENDS ${page}
    VERBATIM)
  list(APPEND man_pages ${page}.gz)
endforeach()
add_custom_target(karix_man_pages ALL DEPENDS ${man_pages})
install(FILES ${man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# Installs into a temporary prefix and checks the installed tree.
if(BUILD_TESTING)
  add_test(NAME install
           COMMAND bash ${PROJECT_SOURCE_DIR}/tests/install/check-installed-tree.sh
                   ${PROJECT_BINARY_DIR})
  # 77: a tool the check needs is missing (scripts/install-deps.sh installs it).
  set_tests_properties(install PROPERTIES TIMEOUT 120 SKIP_RETURN_CODE 77)
endif()

# Debian package: cpack -G DEB in the build folder (see scripts/package.sh).
# The Qt 6 and C++ runtime dependencies are computed from the programs.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME karix)
set(CPACK_PACKAGE_VENDOR Quorvex)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "design tool for the programmable NIM trigger-logic module")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "KaRiX draws the signal path of the NIM trigger-logic module on sheets, saves
it as an XML design document (.krx), checks it, compiles it into the module's
registers, downloads and verifies it over UDP, and shows the measure counters
live. The package holds the program, the command-line tool karix-cli for
scripts, and the module simulator karix-sim.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${KARIX_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${KARIX_PACKAGE_RELEASE})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own dialog buttons in the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/packages)
include(CPack)
