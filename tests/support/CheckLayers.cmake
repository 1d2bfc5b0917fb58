# SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Fails when a source of the components or the game includes Qt or one of the
# framework's internal headers: those stay inside the framework, so the layers
# above it build against the framework's own types only. Internal is all of
# src/framework/internal/, and any framework header that includes Qt or an
# internal header; a header that includes Qt outside that folder is a fault
# of its own, as the folder is where a reader looks for them.
# Run as: cmake -DSOURCE_DIR=<project> -P CheckLayers.cmake
cmake_minimum_required(VERSION 3.25)

set(qt_include "^[ \t]*#[ \t]*include[ \t]*<(Q[A-Za-z]|q[a-z]+\\.h)")
set(any_include "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]+)[>\"]")

# The included paths of a file, as written (from src/).
function(included_paths file out)
  file(STRINGS "${file}" lines REGEX "${any_include}")
  set(paths "")
  foreach(line IN LISTS lines)
    if(line MATCHES "${any_include}")
      list(APPEND paths "${CMAKE_MATCH_1}")
    endif()
  endforeach()
  set(${out} "${paths}" PARENT_SCOPE)
endfunction()

set(faults "")

file(GLOB_RECURSE internal RELATIVE "${SOURCE_DIR}/src" "${SOURCE_DIR}/src/framework/internal/*.h")
if(NOT internal)
  message(FATAL_ERROR "no header in src/framework/internal: the check has nothing to guard")
endif()
file(GLOB_RECURSE framework_headers RELATIVE "${SOURCE_DIR}/src" "${SOURCE_DIR}/src/framework/*.h")
set(grew TRUE)
while(grew)
  set(grew FALSE)
  foreach(header IN LISTS framework_headers)
    if(header IN_LIST internal)
      continue()
    endif()
    file(STRINGS "${SOURCE_DIR}/src/${header}" qt REGEX "${qt_include}")
    included_paths("${SOURCE_DIR}/src/${header}" paths)
    set(is_internal FALSE)
    if(qt)
      set(is_internal TRUE)
      list(APPEND faults "src/${header}: includes Qt outside src/framework/internal")
    endif()
    foreach(path IN LISTS paths)
      if(path IN_LIST internal)
        set(is_internal TRUE)
      endif()
    endforeach()
    if(is_internal)
      list(APPEND internal "${header}")
      set(grew TRUE)
    endif()
  endforeach()
endwhile()

file(GLOB_RECURSE sources "${SOURCE_DIR}/src/components/*" "${SOURCE_DIR}/src/game/*")
foreach(source IN LISTS sources)
  file(RELATIVE_PATH shown "${SOURCE_DIR}" "${source}")
  file(STRINGS "${source}" qt REGEX "${qt_include}")
  foreach(line IN LISTS qt)
    list(APPEND faults "${shown}: ${line}")
  endforeach()
  included_paths("${source}" paths)
  foreach(path IN LISTS paths)
    if(path IN_LIST internal)
      list(APPEND faults "${shown}: includes the framework's internal ${path}")
    endif()
  endforeach()
endforeach()
if(faults)
  list(JOIN faults "\n  " text)
  message(FATAL_ERROR "Qt leaks out of the framework:\n  ${text}")
endif()
list(JOIN internal ", " names)
message(STATUS "No Qt above the framework; internal headers: ${names}")
