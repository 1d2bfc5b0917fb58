# SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
# SPDX-License-Identifier: GPL-3.0-or-later

# `cpack -G DEB` in the build folder makes orbit-raven_<version>_<arch>.deb
# from the install rules in Install.cmake.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orbit-raven)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "STUDIO ZEO")
set(CPACK_PACKAGE_CONTACT "${ORV_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "arcade shooter where your ship never stops")
set(CPACK_PACKAGE_DESCRIPTION
    "A small single-player arcade shooter for the desktop. Your ship never stops:\n"
    "it flies one cell per tick across a 25 x 25 field and wraps around the\n"
    "edges. Turn it, hold fire to sweep the field with a laser in a random\n"
    "straight direction, and destroy the enemy before it or its mines destroy\n"
    "you. Menus, dialogs and the manual are in Japanese, or in English on request.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Debian packages carry no debugging symbols in the program itself.
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ORV_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${ORV_HOMEPAGE_URL}")
# The libraries come from dpkg-shlibdeps; what is only loaded by name at run
# time is added by hand: the faces the texts are drawn in, the desktop's
# event sounds and the toolkit's Japanese texts.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, fonts-dejavu-core, sound-theme-freedesktop, qt6-translations-l10n")
# Native windows under Wayland desktops; game controllers through SDL, which
# is loaded at run time, so the game plays without it; xdg-open shows the
# manual.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, libsdl2-2.0-0, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
