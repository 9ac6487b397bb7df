# The Debian package of the Qt program: ./build.sh package, or
# `cpack --config CPackConfig.cmake` in a build folder. It holds what the
# install rules put under /usr: the program, its desktop entry and its icon.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME drelvik)
set(CPACK_PACKAGE_VENDOR "Drelvik")
set(CPACK_PACKAGE_CONTACT "Drelvik developers <drelvik@example.org>")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "point and segment, an analytic geometry exercise")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "The learner marks three points on a grid; the program lists their
coordinates, draws the triangle they make and reports its oriented area
and the distance from the third point to the segment between the first
two. The texts are in Bulgarian.")
# Debug information stays in the build folder, not in the learner's machine.
set(CPACK_STRIP_FILES ON)
# The libraries the program links come from dpkg-shlibdeps. Qt loads the X11
# platform plugin only at run time, and the window's font falls back to
# Liberation Serif where Times New Roman is missing, so both are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation")
include(CPack)
