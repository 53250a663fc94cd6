# Where the installed files go, and the build tree laid out the same way, so a program run from
# its build folder finds its data exactly as the installed one does (no path of the build
# machine is compiled in).
#
#   bin/melotheek, bin/discovant
#   <libdir>/melotheek/          the Discovant libraries, private to these two programs
#   share/melotheek/help/        the help pages
#   share/applications, share/icons/hicolor, share/metainfo, share/man/man1

set(MELOTHEEK_PRIVATE_LIBDIR ${CMAKE_INSTALL_LIBDIR}/melotheek)
set(MELOTHEEK_DATADIR ${CMAKE_INSTALL_DATADIR}/melotheek)

# The programs find their libraries and data relative to their own folder.
file(RELATIVE_PATH MELOTHEEK_LIBS_FROM_BIN
  /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${MELOTHEEK_PRIVATE_LIBDIR})
file(RELATIVE_PATH MELOTHEEK_DATA_FROM_BIN
  /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${MELOTHEEK_DATADIR})
set(MELOTHEEK_INSTALL_RPATH "$ORIGIN/${MELOTHEEK_LIBS_FROM_BIN}")

# The build tree's data folder as seen from the folder the program is built in (app/).
get_filename_component(MELOTHEEK_BUILD_DATADIR
  ${CMAKE_BINARY_DIR}/app/${MELOTHEEK_DATA_FROM_BIN} ABSOLUTE)
