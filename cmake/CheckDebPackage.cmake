# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package with CPack and checks its name, its files and that
# its dependencies name the Qt libraries the program links; or, given
# LINTIAN, that lintian finds no error and no warning in it.
# Usage: cmake -DBUILD_DIR=... -DOUT_DIR=... -DAPP_ID=... [-DLINTIAN=...] -P CheckDebPackage.cmake

cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE "${OUT_DIR}")
execute_process(COMMAND cpack -G DEB -B "${OUT_DIR}" --config "${BUILD_DIR}/CPackConfig.cmake"
                RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cpack failed:\n${out}")
endif()
file(GLOB debs "${OUT_DIR}/tavrel_*.deb")
list(LENGTH debs count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "expected one tavrel_*.deb in ${OUT_DIR}, found: ${debs}")
endif()

if(LINTIAN)
  # Informational and pedantic notes are allowed; the tests run as root in CI.
  execute_process(COMMAND "${LINTIAN}" --allow-root --fail-on error,warning ${debs}
                  RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT result EQUAL 0 OR out MATCHES "(^|\n)[EW]: ")
    message(FATAL_ERROR "lintian (status ${result}):\n${out}")
  endif()
  message("${out}")
  file(REMOVE_RECURSE "${OUT_DIR}")
  return()
endif()

execute_process(COMMAND dpkg-deb --field ${debs} Package Depends Section OUTPUT_VARIABLE fields)
foreach(needle "Package: tavrel" "libqt6widgets6" "libqt6gui6" "libqt6core6" "libqt6printsupport6"
               "qt6-qpa-plugins" "Section: math")
  string(FIND "${fields}" "${needle}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "package control lacks ${needle}:\n${fields}")
  endif()
endforeach()

execute_process(COMMAND dpkg-deb --contents ${debs} OUTPUT_VARIABLE contents)
foreach(needle "./usr/bin/tavrel" "./usr/share/applications/${APP_ID}.desktop"
               "./usr/share/metainfo/${APP_ID}.metainfo.xml"
               "./usr/share/icons/hicolor/scalable/apps/${APP_ID}.svg"
               "./usr/share/man/man1/tavrel.1.gz" "./usr/share/doc/tavrel/copyright"
               "./usr/share/doc/tavrel/changelog.gz")
  string(FIND "${contents}" "${needle}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "package lacks ${needle}:\n${contents}")
  endif()
endforeach()
file(REMOVE_RECURSE "${OUT_DIR}")
