# `tools/dev package`: a Debian package of the installed tree (cmake/install_layout.cmake), built
# by CPack as quorvane_VERSION_ARCH.deb.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "OBD-II emission diagnostics through ELM323/ELM327 interfaces")
set(CPACK_PACKAGE_DESCRIPTION
    "Reads trouble codes, readiness monitors, freeze frames, oxygen-sensor tests and vehicle
information of OBD-II cars through an ELM interface on a serial port, a Bluetooth link or a WiFi
adapter. A Demo-Mode runs every function without hardware. Comes with quorvane-cli for scripts.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "OBD-II Quorvane developers <quorvane@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps names the package of every library the programs link: the Qt 6 runtime (Core,
# Gui with the desktop's platform plugin, Widgets, PrintSupport, Svg with the SVG icon plugins,
# Network), zlib, the C and C++ runtime. The report's XSLT library is named by hand as well.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libxslt1.1")
include(CPack)
