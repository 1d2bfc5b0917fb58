# SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the build into a scratch directory and checks the layout a desktop
# needs: one program folder with the manual, a launcher in the games folder
# that points into it, the desktop entry, the icons, AppStream metadata and
# the manual page.
file(REMOVE_RECURSE "${STAGE}")
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env "DESTDIR=${STAGE}"
          ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix /usr/local
  RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
set(root "${STAGE}/usr/local")
foreach(path
    lib/orbit-raven/orbit-raven
    lib/orbit-raven/Manual.txt
    lib/orbit-raven/INSTALLED
    lib/orbit-raven/Manual-en.txt
    games/orbit-raven
    share/applications/orbit-raven.desktop
    share/icons/hicolor/32x32/apps/orbit-raven.png
    share/icons/hicolor/48x48/apps/orbit-raven.png
    share/icons/hicolor/64x64/apps/orbit-raven.png
    share/icons/hicolor/128x128/apps/orbit-raven.png
    share/icons/hicolor/256x256/apps/orbit-raven.png
    share/metainfo/${APPSTREAM_ID}.metainfo.xml
    share/man/man6/orbit-raven.6.gz
    share/doc/orbit-raven/copyright)
  if(NOT EXISTS "${root}/${path}")
    message(FATAL_ERROR "missing after install: ${path}")
  endif()
endforeach()
# The launcher finds the program relative to itself, so it also works from a
# package installed under another prefix.
file(READ "${root}/games/orbit-raven" launcher)
if(NOT launcher MATCHES "program=\\$\\(readlink -f \"\\$here/([^\"]+)\"\\)\nexec \"\\$program\" \"\\$@\"")
  message(FATAL_ERROR "the launcher has no exec line relative to itself:\n${launcher}")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL "../lib/orbit-raven/orbit-raven")
  message(FATAL_ERROR "the launcher starts ${CMAKE_MATCH_1}, not the installed program")
endif()
file(READ "${root}/share/applications/orbit-raven.desktop" entry)
foreach(line "Exec=orbit-raven" "Icon=orbit-raven" "Name=ORBIT RAVEN" "Exec=orbit-raven --lang en")
  string(FIND "${entry}" "${line}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "desktop entry lacks ${line}")
  endif()
endforeach()
file(REMOVE_RECURSE "${STAGE}")
message(STATUS "install layout: 1 passed, 0 failed")
