# SPDX-FileCopyrightText: 2026 The alacrity authors
# SPDX-License-Identifier: GPL-3.0-or-later

# The Debian package, made by CPack from the install rules of
# cmake/Install.cmake:
#
#   make package    ->  build/release/alacrity_<version>_<arch>.deb
#
# Runtime dependencies on shared libraries come from dpkg-shlibdeps; the
# explicit ones below are what the programs load at run time, which
# dpkg-shlibdeps cannot see.
set(ALACRITY_PACKAGE_MAINTAINER
  "alacrity maintainers <maintainers@users.noreply.c-seed-30daca92.example>"
  CACHE STRING "Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME alacrity)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The alacrity authors")
set(CPACK_PACKAGE_CONTACT ${ALACRITY_PACKAGE_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS ${CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS})

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${ALACRITY_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Seen only at run time:
#   fonts-liberation2   Arial's metric-compatible stand-in; text sizes of the
#                       screens and reports are laid out for it
#   libqt6sql6-sqlite   the subject register's database driver (a Qt plugin)
# The xcb platform plugin comes with libqt6gui6, the sound's backends with
# libqt6multimedia6 and the SVG plugins with libqt6svg6, all three found by
# dpkg-shlibdeps, as is libqt6charts6, which the window and alacrity-report
# link for the charts.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, libqt6sql6-sqlite")
# Qt's own texts (file and print dialogs) in the interface languages.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
# A register shared by several stations lives on a PostgreSQL server.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "libqt6sql6-psql")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "measure reaction times to visual stimuli
alacrity shows circles, crosses, squares and triangles on the screen and
measures how fast a person answers each one on a four-button response box,
attached by USB (FTDI) or to a serial port. Response times are counted in
the status bytes the box sends, 1.44 per millisecond, never by the
computer's clock.

The package holds the program, alacrity-cli for data files and headless
runs, alacrity-boxsim, a response box without hardware, the subject
register and a udev rule that gives the user at the seat access to the
USB response box.")

# Source archives are not made here; the repository is the source.
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build/" "/\\\\.cache/")

include(CPack)
