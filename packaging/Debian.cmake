# The Debian package of the Qt program: ./build.sh package, or `cpack` in a
# build folder. It holds what the install rules put under /usr (the program,
# its desktop entry, AppStream metadata, icons and manual pages) and the
# package's own copyright file and changelog.
set(DRELVIK_MAINTAINER "Drelvik developers <drelvik@example.org>" CACHE STRING
    "The Debian package's maintainer, as \"Name <address>\": whoever builds the package for others")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME drelvik)
set(CPACK_PACKAGE_VENDOR "www.example.org")
set(CPACK_PACKAGE_CONTACT "${DRELVIK_MAINTAINER}")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "point and segment, an analytic geometry exercise")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "The pupil marks three points on a grid, the two ends of a segment and
the point to examine; the program lists their coordinates, draws the
triangle they make and reports its area from a 3x3 determinant, whether
the point lies on the segment, on its extension or off the line, its
distance from the line and where its projection falls. The verdict is
decided on whole numbers only. The texts are in Bulgarian.")
# Debug information stays in the build folder, not in the learner's machine.
set(CPACK_STRIP_FILES ON)
# The libraries the program links come from dpkg-shlibdeps. Qt loads the X11
# platform plugin only at run time, and the window's font falls back to
# Liberation Serif where Times New Roman is missing, so both are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation")

# A native package's changelog is changelog.gz (lintian); the copyright file
# is machine-readable (DEP-5).
set(doc ${CMAKE_INSTALL_DATADIR}/doc/drelvik)
drelvik_gzip(${PROJECT_SOURCE_DIR}/packaging/changelog ${PROJECT_BINARY_DIR}/packaging/changelog.gz)
add_custom_target(drelvik_changelog ALL DEPENDS ${PROJECT_BINARY_DIR}/packaging/changelog.gz)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${PROJECT_BINARY_DIR}/packaging/changelog.gz
        DESTINATION ${doc})
include(CPack)
