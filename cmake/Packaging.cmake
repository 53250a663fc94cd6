# The Debian package (`cpack -G DEB` in a build configured with CMAKE_INSTALL_PREFIX=/usr;
# scripts/package does both). Its dependencies on shared libraries come from dpkg-shlibdeps;
# MELOTHEEK_RUNTIME_PACKAGES lists what the programs load at run time without linking it.

set(MELOTHEEK_MAINTAINER "The Melotheek developers <developers@melotheek.org>" CACHE STRING
  "Maintainer of the Debian package, \"Name <address>\"")
# Qt's platform plugins (the window system), its SVG icon engine (the window icon) and its own
# translations (the buttons and dialogs Qt draws, in the interface language); TagLib and libcsv
# for the music-file and collection-list imports.
set(MELOTHEEK_RUNTIME_PACKAGES "qt6-qpa-plugins, libqt6svg6, qt6-translations-l10n, libtag1v5, libcsv3" CACHE STRING
  "Debian packages the programs need at run time beyond the libraries they link")

# The documentation Debian wants with every package: the copyright and the changelog.
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/melotheek)
configure_file(${PROJECT_SOURCE_DIR}/packaging/copyright.in ${PROJECT_BINARY_DIR}/packaging/copyright @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog.in ${PROJECT_BINARY_DIR}/packaging/changelog @ONLY)
find_program(GZIP gzip REQUIRED)
add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/packaging/changelog.gz
  COMMAND ${GZIP} -9nkf ${PROJECT_BINARY_DIR}/packaging/changelog
  DEPENDS ${PROJECT_BINARY_DIR}/packaging/changelog VERBATIM)
add_custom_target(melotheek_changelog ALL DEPENDS ${PROJECT_BINARY_DIR}/packaging/changelog.gz)
install(FILES ${PROJECT_BINARY_DIR}/packaging/copyright ${PROJECT_BINARY_DIR}/packaging/changelog.gz
  DESTINATION ${doc_dir})

set(CPACK_PACKAGE_NAME melotheek)
set(CPACK_PACKAGE_VENDOR "The Melotheek developers")
set(CPACK_PACKAGE_CONTACT "${MELOTHEEK_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "catalogue of a music collection, with a CD lookup tool")
set(CPACK_PACKAGE_DESCRIPTION "Melotheek keeps the catalogue of a private music collection:
per artist the albums you own, with year, carrier, purchase date, comments,
length and tracks, a cover and a playlist of the music files, and per artist
a discography, a biography and photos. It reads audio CDs and disc images and
looks them up on a CDDB server or in a local CDDB database folder, exports an
HTML overview or a workbook and makes dated backups. It speaks Dutch,
English, French and German.

The package also holds discovant, the command-line tool that reads a disc's
table of contents, computes its CDDB disc identifier and looks the disc up.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${MELOTHEEK_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${MELOTHEEK_RUNTIME_PACKAGES}")
# Opening exports, help pages and playlists with the desktop's programs.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS xdg-utils)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
