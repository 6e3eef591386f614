# SPDX-License-Identifier: GPL-3.0-or-later
# Desktop integration under one reverse-DNS id: the launcher entry, the
# AppStream metadata and the icons, installed beside the executable; the
# manual page, copyright and changelog; and a Debian package of it all
# through CPack.

set(TAVREL_APP_ID org.example.Tavrel)

install(FILES data/${TAVREL_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/${TAVREL_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES resources/icons/${TAVREL_APP_ID}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# Rasters for menus and docks that do not read SVG.
foreach(size 16 32 48 64 128)
  install(FILES resources/icons/tavrel-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${TAVREL_APP_ID}.png)
endforeach()

# --- Manual page, copyright and changelog ----------------------------------
# Installed by `cmake --install` too, so every install carries its licence
# and its manual. gzip -n leaves out the name and time, so that two builds
# give the same bytes.
find_program(GZIP gzip REQUIRED)
set(TAVREL_PACKAGING_OUT ${CMAKE_BINARY_DIR}/packaging)
set(TAVREL_GZIPPED "")
# The manual page takes its version from project().
configure_file(${PROJECT_SOURCE_DIR}/packaging/tavrel.1.in ${TAVREL_PACKAGING_OUT}/source/tavrel.1 @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog ${TAVREL_PACKAGING_OUT}/source/changelog COPYONLY)
foreach(doc tavrel.1 changelog)
  add_custom_command(OUTPUT ${TAVREL_PACKAGING_OUT}/${doc}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${TAVREL_PACKAGING_OUT}/source/${doc} ${TAVREL_PACKAGING_OUT}/${doc}
    COMMAND ${GZIP} -9nf ${TAVREL_PACKAGING_OUT}/${doc}
    DEPENDS ${TAVREL_PACKAGING_OUT}/source/${doc}
    VERBATIM)
  list(APPEND TAVREL_GZIPPED ${TAVREL_PACKAGING_OUT}/${doc}.gz)
endforeach()
add_custom_target(tavrel_gzipped_docs ALL DEPENDS ${TAVREL_GZIPPED})
install(FILES ${TAVREL_PACKAGING_OUT}/tavrel.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${TAVREL_PACKAGING_OUT}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

# --- Debian package: cpack -G DEB in the build directory -------------------
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavrel)
set(CPACK_PACKAGE_VENDOR quillo)
set(CPACK_PACKAGE_CONTACT "Tavrel maintainers <tavrel@quillo.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "whole-number arithmetic: factors, multiples, GCD, square roots")
# The control file shows each line after a space, and lintian allows 80
# characters there: keep these lines to 79.
set(CPACK_PACKAGE_DESCRIPTION
    "Tavrel is a small desktop window for whole-number arithmetic. It lists
the factor pairs of a number, a run of its multiples, the greatest common
divisor of a list of numbers, or its square root as a whole number times
a square-free root. The list can be copied, edited, saved and printed.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://quillo.example/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from dpkg-shlibdeps; the platform plugins that draw the
# windows are loaded at run time, so no library dependency names them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# qt6-wayland lets the program run natively on a Wayland desktop rather
# than through XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation, qt6-wayland, xdg-utils")
set(CPACK_STRIP_FILES ON)
include(CPack)

# --- Checks, run by ctest --------------------------------------------------
if(TAVREL_TESTS)
  enable_testing()
  tavrel_find_test_tool(DESKTOP_FILE_VALIDATE desktop-file-validate desktop-file-utils desktop_file_validate)
  if(DESKTOP_FILE_VALIDATE)
    # Hints and warnings fail the check as well as errors.
    add_test(NAME desktop_file_validate
             COMMAND sh -c "out=$(\"$0\" \"$1\" 2>&1); status=$?; printf '%s\\n' \"$out\"; [ $status -eq 0 ] && [ -z \"$out\" ]"
                     ${DESKTOP_FILE_VALIDATE} ${CMAKE_CURRENT_SOURCE_DIR}/data/${TAVREL_APP_ID}.desktop)
  endif()
  tavrel_find_test_tool(APPSTREAMCLI appstreamcli appstream appstream_validate)
  if(APPSTREAMCLI)
    add_test(NAME appstream_validate
             COMMAND ${APPSTREAMCLI} validate --no-net ${CMAKE_CURRENT_SOURCE_DIR}/data/${TAVREL_APP_ID}.metainfo.xml)
  endif()
  add_test(NAME install_tree
           COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR}
                   -DPREFIX=${CMAKE_BINARY_DIR}/install-tree-check -DAPP_ID=${TAVREL_APP_ID}
                   -P ${CMAKE_CURRENT_SOURCE_DIR}/cmake/CheckInstallTree.cmake)
  tavrel_find_test_tool(DPKG_SHLIBDEPS dpkg-shlibdeps dpkg-dev deb_package)
  if(DPKG_SHLIBDEPS)
    add_test(NAME deb_package
             COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR}
                     -DOUT_DIR=${CMAKE_BINARY_DIR}/deb-check -DAPP_ID=${TAVREL_APP_ID}
                     -P ${CMAKE_CURRENT_SOURCE_DIR}/cmake/CheckDebPackage.cmake)
    set_tests_properties(deb_package PROPERTIES TIMEOUT 300)
    tavrel_find_test_tool(LINTIAN lintian lintian lintian)
    if(LINTIAN)
      add_test(NAME lintian
               COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR}
                       -DOUT_DIR=${CMAKE_BINARY_DIR}/deb-lintian -DAPP_ID=${TAVREL_APP_ID}
                       -DLINTIAN=${LINTIAN} -P ${CMAKE_CURRENT_SOURCE_DIR}/cmake/CheckDebPackage.cmake)
      set_tests_properties(lintian PROPERTIES TIMEOUT 300)
    endif()
  endif()
endif()
