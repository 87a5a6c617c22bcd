# A Debian package of the window and the command-line program, built from the
# install rules: cpack -G DEB in a Release build.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zorvel)
set(CPACK_PACKAGE_VENDOR "Jana Príkladná")
set(CPACK_PACKAGE_CONTACT "Jana Príkladná <autor@zorvel.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator for small matrices of complex numbers")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://zorvel.example.org/")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "calculator for small matrices of complex numbers
 Zorvel computes the inverse, the sum, the difference and the product of
 matrices of complex numbers (up to 20 rows and 10 columns) in a window with
 a Slovak user interface (or an English one for users whose preferred language
 is English). All arithmetic works on number texts with a decimal
 comma, rounded after every single operation. zorvel-calc gives the same
 results from matrix files on the command line.")
# The libraries' packages, as dpkg-shlibdeps finds them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own texts (the file dialog) in Slovak.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)

include(CPack)
