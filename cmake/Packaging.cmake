# The Debian package, made in the build folder by `cpack -G DEB`: the shared library with its
# SONAME link, the public headers, the CMake package, the pkg-config file and the Designer plugin
# in Qt's own plugin folder. It takes only the "Library" install component: no static Core
# libraries, tests, benchmarks or demo.
set(VEMO_PACKAGE_MAINTAINER "The VemoCalendar developers" CACHE STRING
  "Maintainer field of the Debian package (Name <address>)")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vemocalendar)
set(CPACK_PACKAGE_VENDOR "The VemoCalendar developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Month calendar and drop-down calendar button widgets for Qt 6")
set(CPACK_PACKAGE_DESCRIPTION "QvCalendar, a month calendar, and QvCalButton, a button that
drops a calendar down over the form, as Qt 6 widgets in libVemoCalendar.so.2,
with their headers, a CMake package, a pkg-config file and a Qt Designer plugin.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};Library;/")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VEMO_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION libdevel)
# Depends: the runtime packages of the libraries the ELF files need, as dpkg-shlibdeps finds them
# (dpkg-dev); shlibs and the ldconfig trigger so other packages can depend on this one.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
# Building against the headers and the CMake package needs Qt's own development files.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-base-dev)
set(CPACK_DEBIAN_PACKAGE_SUGGESTS designer-qt6)
include(CPack)
