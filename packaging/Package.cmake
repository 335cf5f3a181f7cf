# Packages made with CPack from a build tree: the Debian package (cpack -G DEB, in the build folder)
# holds what packaging/Install.cmake installs, under /usr (the generator's prefix), with the
# binaries stripped and Depends computed by dpkg-shlibdeps from what they link; the source tarball
# (cpack --config CPackSourceConfig.cmake) holds the source tree without build folders or version
# control.
# Make release packages from a build without KESTRIN_SANITIZE: a sanitized build's binaries link
# the sanitizer run-times, and its package depends on them.
set(KESTRIN_PACKAGE_MAINTAINER "The Kestrin developers <kestrin@example.org>" CACHE STRING
    "Maintainer named in the Debian package")

set(CPACK_PACKAGE_NAME kestrin)
set(CPACK_PACKAGE_VENDOR "The Kestrin developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "STEP import into CAD drawings, saved as DXF")
# Debian's extended description: lines of at most 79 characters, each indented by the generator.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Kestrin imports STEP files (*.stp, *.step) into a CAD drawing: points, lines,\n"
    "polylines, circles, arcs, NURBS curves and meshes become entities of the\n"
    "drawing's model space. It is a plug-in module with a small command-line CAD\n"
    "host, kestrin, that loads it and saves the drawing as DXF: one import from the\n"
    "command line, imports of many files at once, an interactive command line, or\n"
    "scripts of commands. STEP files are read with Open CASCADE in a worker process\n"
    "with time and memory bounds.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_RESOURCE_FILE_README ${PROJECT_SOURCE_DIR}/README.md)
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT) # kestrin_VERSION_ARCH.deb
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${KESTRIN_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The stand-in libraries are the package's own: dpkg-shlibdeps, run in the staged tree, finds them
# in its private folder and asks no package for them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS usr/${KESTRIN_INSTALL_PRIVATE_DIR})
# KestrinHelp shows the help page with the desktop's opener.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS xdg-utils)

set(CPACK_SOURCE_GENERATOR TXZ)
set(CPACK_SOURCE_PACKAGE_FILE_NAME kestrin-${PROJECT_VERSION})
set(source "^${PROJECT_SOURCE_DIR}")
string(REPLACE "." "\\\\." source "${source}")
set(CPACK_SOURCE_IGNORE_FILES
    "${source}/\\\\.git$"                 # the repository (a folder, or a file in a work tree)
    "${source}/\\\\.cache/"
    "${source}/build[^/]*/"
    "/__pycache__/"
    "compile_commands\\\\.json$")
if(NOT CMAKE_BINARY_DIR STREQUAL PROJECT_SOURCE_DIR)
    string(REPLACE "." "\\\\." binary "${CMAKE_BINARY_DIR}")
    list(APPEND CPACK_SOURCE_IGNORE_FILES "^${binary}/")
endif()

include(CPack)
