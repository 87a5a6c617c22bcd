# A Debian package of the window and the command-line program, built from the
# install rules: cpack -G DEB in a Release build.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zorvel)
set(CPACK_PACKAGE_VENDOR "Jana Príkladná")
set(CPACK_PACKAGE_CONTACT "Jana Príkladná <autor@zorvel.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator for small matrices of complex numbers")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

# What Debian asks of every package: a copyright file and a changelog,
# compressed as packages ship it, in the package's documentation folder.
set(zorvel_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/zorvel)
set(zorvel_changelog ${CMAKE_BINARY_DIR}/changelog.gz)
add_custom_command(
  OUTPUT ${zorvel_changelog}
  COMMAND ${ZORVEL_GZIP} -9 -n -c ${CMAKE_CURRENT_LIST_DIR}/debian/changelog > ${zorvel_changelog}
  DEPENDS ${CMAKE_CURRENT_LIST_DIR}/debian/changelog
  VERBATIM)
add_custom_target(debian_changelog ALL DEPENDS ${zorvel_changelog})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/debian/copyright ${zorvel_changelog} DESTINATION ${zorvel_doc_dir})

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://zorvel.example.org/")
# The extended description; CPack puts the summary above it as the synopsis
# and indents every line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Zorvel computes the determinant, the inverse, the sum, the difference and
the product of matrices of complex numbers (up to 20 rows and 10 columns),
and solves systems of equations, in a window with a Slovak user interface
(or an English one for users whose preferred language is English). All
arithmetic works on number texts with a decimal comma, rounded after every
single operation, or exactly. Matrices open from CSV and tab-separated
files as spreadsheets write them. zorvel-calc gives the same results from
matrix files on the command line.")
# The libraries' packages, as dpkg-shlibdeps finds them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Folders 0755 and files 0644 in the package, whatever the umask of the build.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Qt's own texts (the file dialog) in Slovak.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)

include(CPack)
