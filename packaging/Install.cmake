# SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installed as one program folder (program and manuals), a launcher in the
# games folder on the PATH (where Debian and the FHS put games), a desktop
# entry, the icons in the hicolor theme, AppStream metadata, a manual page
# and the copyright and changelog files Debian asks for.
include(GNUInstallDirs)
set(ORV_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(ORV_PACKAGING_OUT ${PROJECT_BINARY_DIR}/packaging)
set(ORV_APPSTREAM_ID org.example.orbitraven)
set(ORV_GAMES_DIR games CACHE STRING "Folder of the launcher, below the install prefix")
set(ORV_HOMEPAGE_URL "https://example.org/orbit-raven"
    CACHE STRING "Home page of the program, for the package and AppStream metadata")
set(ORV_MAINTAINER "ORBIT RAVEN developers <orbit-raven@example.org>"
    CACHE STRING "Name <address> of whoever answers for the package")

# Relative, because a package is installed under another prefix than the build's.
file(RELATIVE_PATH ORV_LAUNCHER_TO_PROGRAM ${CMAKE_INSTALL_PREFIX}/${ORV_GAMES_DIR}
     ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_LIBDIR}/orbit-raven)
configure_file(${ORV_PACKAGING_DIR}/orbit-raven.in ${ORV_PACKAGING_OUT}/orbit-raven @ONLY)
configure_file(${ORV_PACKAGING_DIR}/orbit-raven.metainfo.xml.in
               ${ORV_PACKAGING_OUT}/${ORV_APPSTREAM_ID}.metainfo.xml @ONLY)
configure_file(${ORV_PACKAGING_DIR}/changelog.in ${ORV_PACKAGING_OUT}/changelog @ONLY)

# Debian wants these compressed at the highest level and without a time stamp.
find_program(ORV_GZIP gzip REQUIRED)
set(ORV_GZIPPED ${ORV_PACKAGING_OUT}/orbit-raven.6.gz ${ORV_PACKAGING_OUT}/changelog.gz)
add_custom_command(OUTPUT ${ORV_GZIPPED}
  COMMAND ${ORV_GZIP} -9nc ${ORV_PACKAGING_DIR}/orbit-raven.6 > ${ORV_PACKAGING_OUT}/orbit-raven.6.gz
  COMMAND ${ORV_GZIP} -9nc ${ORV_PACKAGING_OUT}/changelog > ${ORV_PACKAGING_OUT}/changelog.gz
  DEPENDS ${ORV_PACKAGING_DIR}/orbit-raven.6 ${ORV_PACKAGING_OUT}/changelog
  VERBATIM)
add_custom_target(orv_packaging_docs ALL DEPENDS ${ORV_GZIPPED})

install(TARGETS orbit-raven RUNTIME DESTINATION ${CMAKE_INSTALL_LIBDIR}/orbit-raven)
install(FILES ${PROJECT_SOURCE_DIR}/resources/Manual.txt ${PROJECT_SOURCE_DIR}/resources/Manual-en.txt
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/orbit-raven)
# Tells the program it is installed: it then keeps every user's settings in
# their own config folder, root's too, and never writes its own folder.
install(FILES ${ORV_PACKAGING_DIR}/INSTALLED DESTINATION ${CMAKE_INSTALL_LIBDIR}/orbit-raven)
install(PROGRAMS ${ORV_PACKAGING_OUT}/orbit-raven DESTINATION ${ORV_GAMES_DIR})
install(FILES ${ORV_PACKAGING_DIR}/orbit-raven.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/icons/hicolor
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${ORV_PACKAGING_OUT}/${ORV_APPSTREAM_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${ORV_PACKAGING_OUT}/orbit-raven.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
# Debian names the folder after the package, not after the CMake project.
install(FILES ${ORV_PACKAGING_DIR}/copyright ${ORV_PACKAGING_OUT}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/orbit-raven)
