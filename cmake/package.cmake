# `cpack` in the build folder makes a Debian package of what `cmake --install` installs
# (cmake/install.cmake). dpkg-shlibdeps finds the libraries the programs link; the packages
# below are what they load or draw with at run time, which no linked library shows.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME stroval)
set(CPACK_PACKAGE_VENDOR "Stroval")
set(CPACK_PACKAGE_CONTACT "Stroval developers <stroval@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "handwriting practice sheets for Chinese characters")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "A teacher makes handwriting practice sheets for Chinese characters: a title, a word, a sample "
       "font and a grid of practice cells with guide lines and characters to trace over, printed as an "
       "A4 report. stroval-report prepares, checks, prints and exports reports from the command line.")
# stroval_0.9.0_amd64.deb
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Installed with DESTDIR and the prefix /usr, whatever prefix the build was configured with, so
# the programs go to /usr/bin and the fontconfig link to /etc.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6sql6-sqlite, fonts-arphic-ukai, fonts-arphic-uming, fonts-liberation2, fonts-dejavu-core, fontconfig")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-cns11643-kai, libqt6sql6-psql")
include(CPack)
