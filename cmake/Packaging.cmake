# The Debian package: `cpack -G DEB` in a build configured with the prefix /usr
# (scripts/package does both) makes dryfriction_<version>_amd64.deb holding
# everything `cmake --install` installs.

set(DRYFRICTION_PACKAGE_MAINTAINER "dryfriction project <dryfriction@example.org>"
    CACHE STRING "Maintainer of the Debian package, as \"Name <address>\"")
# What Debian expects in /usr/share/doc/<package>: the copyright file, and for a
# package made here (a native one, no Debian revision) changelog.gz.
configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog.in ${PROJECT_BINARY_DIR}/packaging/changelog @ONLY)
find_program(GZIP gzip REQUIRED)
add_custom_command(
  OUTPUT ${PROJECT_BINARY_DIR}/packaging/changelog.gz
  COMMAND sh -c "\"$0\" -9n -c changelog > changelog.gz" ${GZIP}
  WORKING_DIRECTORY ${PROJECT_BINARY_DIR}/packaging
  DEPENDS ${PROJECT_BINARY_DIR}/packaging/changelog
  VERBATIM)
add_custom_target(dryfriction-changelog ALL DEPENDS ${PROJECT_BINARY_DIR}/packaging/changelog.gz)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${PROJECT_BINARY_DIR}/packaging/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME dryfriction)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "dryfriction project")
set(CPACK_PACKAGE_CONTACT "${DRYFRICTION_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "teaching model of a spring oscillator with dry friction")
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/package)
# The install rules write the absolute paths of the installed programs (the
# desktop entry's Exec): CPack must install with the real prefix and put the
# files aside through DESTDIR, not through a prefix of its own.
set(CPACK_SET_DESTDIR ON)
set(CPACK_PACKAGING_INSTALL_PREFIX "${CMAKE_INSTALL_PREFIX}")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${DRYFRICTION_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The dependencies are those of the linked libraries, found by dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Besides them, Qt's own Russian translation (qtbase_ru.qm in Qt's
# translations folder), which the window loads for the «Да»/«Нет» of its
# questions; without it a Russian window asks with English buttons.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n")
# The PDF viewer and text viewer the help menu opens the documents with.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "evince | pdf-viewer")
# The extended description; CPack puts the summary above it and indents it.
string(CONCAT CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "A load on a horizontal spring slides with Coulomb (dry) friction: every\n"
  "half-swing loses the same amplitude until the load stops for good inside the\n"
  "stagnation zone. The program computes the motion in closed form, animates the\n"
  "load and traces its coordinate, velocity, energy and path against time, with\n"
  "the characteristics of the motion beside them. Its interface and its help\n"
  "documents (theory, worked problems, a laboratory worksheet, the history of\n"
  "Coulomb's and Amontons' laws of friction, a guide to the controls) are in\n"
  "Russian.\n"
  "\n"
  "The companion dryfriction-table prints the same figures, and every sample of\n"
  "a run as CSV, for spreadsheets and scripts.")

include(CPack)
