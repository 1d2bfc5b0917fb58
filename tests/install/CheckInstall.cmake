# Installs the build into a scratch directory and checks the layout a desktop
# needs: one program folder with the manual, a launcher on the PATH that
# points into it, the desktop entry and the icons.
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
    bin/orbit-raven
    share/applications/orbit-raven.desktop
    share/icons/hicolor/128x128/apps/orbit-raven.png
    share/icons/hicolor/32x32/apps/orbit-raven.png)
  if(NOT EXISTS "${root}/${path}")
    message(FATAL_ERROR "missing after install: ${path}")
  endif()
endforeach()
file(READ "${root}/bin/orbit-raven" launcher)
if(NOT launcher MATCHES "exec \"/usr/local/lib/orbit-raven/orbit-raven\"")
  message(FATAL_ERROR "the launcher does not start the installed program:\n${launcher}")
endif()
file(READ "${root}/share/applications/orbit-raven.desktop" entry)
foreach(line "Exec=orbit-raven" "Icon=orbit-raven" "Name=ORBIT RAVEN")
  string(FIND "${entry}" "${line}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "desktop entry lacks ${line}")
  endif()
endforeach()
file(REMOVE_RECURSE "${STAGE}")
message(STATUS "install layout: 1 passed, 0 failed")
