# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a scratch prefix and checks that the tree holds the
# program, its desktop integration under the one id, its manual page, and
# its copyright and changelog.
# Usage: cmake -DBUILD_DIR=... -DPREFIX=... -DAPP_ID=... -P CheckInstallTree.cmake

cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(expected
    bin/tavrel
    share/applications/${APP_ID}.desktop
    share/metainfo/${APP_ID}.metainfo.xml
    share/icons/hicolor/scalable/apps/${APP_ID}.svg
    share/man/man1/tavrel.1.gz
    share/doc/tavrel/copyright
    share/doc/tavrel/changelog.gz)
foreach(size 16 32 48 64 128)
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()

set(missing "")
foreach(path IN LISTS expected)
  if(NOT EXISTS "${PREFIX}/${path}" OR IS_DIRECTORY "${PREFIX}/${path}")
    list(APPEND missing ${path})
  endif()
endforeach()
if(missing)
  message(FATAL_ERROR "missing from the install tree: ${missing}")
endif()

file(GLOB_RECURSE installed RELATIVE "${PREFIX}" "${PREFIX}/*")
list(SORT installed)
list(SORT expected)
if(NOT installed STREQUAL expected)
  message(FATAL_ERROR "unexpected install tree:\n  ${installed}\nexpected:\n  ${expected}")
endif()

execute_process(COMMAND test -x "${PREFIX}/bin/tavrel" RESULT_VARIABLE not_executable)
if(not_executable)
  message(FATAL_ERROR "bin/tavrel is not executable")
endif()
file(STRINGS "${PREFIX}/share/applications/${APP_ID}.desktop" entry)
foreach(line "Exec=tavrel" "Icon=${APP_ID}")
  if(NOT line IN_LIST entry)
    message(FATAL_ERROR "the .desktop entry lacks ${line}")
  endif()
endforeach()
file(READ "${PREFIX}/share/metainfo/${APP_ID}.metainfo.xml" metainfo)
foreach(needle "<id>${APP_ID}</id>" "<launchable type=\"desktop-id\">${APP_ID}.desktop</launchable>"
               "<binary>tavrel</binary>")
  string(FIND "${metainfo}" "${needle}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the metainfo lacks ${needle}")
  endif()
endforeach()
file(REMOVE_RECURSE "${PREFIX}")
