# `cpack -G DEB` in the build folder, or `make package`, builds ordovan_<version>_<arch>.deb.
# dpkg-shlibdeps reads the libraries the programs link, so libraries added
# later reach the package's dependencies by themselves; the ones below are
# loaded as plug-ins and no link shows them.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ordovan)
set(CPACK_PACKAGE_VENDOR Quillfeather)
set(CPACK_PACKAGE_CONTACT "Ordovan <ordovan@quillfeather.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "daily time plans for several persons who share resources")
set(CPACK_PACKAGE_DESCRIPTION [[
Ordovan plans a day for several persons who share resources, such as a
household's bathroom, kitchen and car. It searches for plans in which every
person is done in time and no two tasks use one resource at once, lists them
by total delay, and shows and prints each person's timetable.
The command ordovan-plan computes the same plans from scripts.]])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PROJECT_HOMEPAGE_URL})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window system plug-ins and the SVG icon plug-in.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6")
# Help opens the guide in the desktop's browser through xdg-open.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
