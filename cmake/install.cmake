# Where `cmake --install` and the Debian package put the programs, the data and the desktop files.
# The desktop entry holds absolute paths, so the prefix is fixed at configure time; /usr unless
# given, as in the Debian package.
if(CMAKE_INSTALL_PREFIX_INITIALIZED_TO_DEFAULT)
  set(CMAKE_INSTALL_PREFIX /usr CACHE PATH "Install prefix" FORCE)
endif()
include(GNUInstallDirs)

set(MILDEN_APP_ID jp.velk.milden)
set(MILDEN_FULL_BINDIR ${CMAKE_INSTALL_FULL_BINDIR})
set(MILDEN_FULL_DATADIR ${CMAKE_INSTALL_FULL_DATADIR}/milden)

foreach(program milden milden-lookup)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()
if(TARGET milden-browser)
  # The tool looks for its browser helper in ../libexec/milden/ next to its own directory.
  install(TARGETS milden-browser RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/milden)
endif()

install(FILES data/sorvane.dat data/NOTICE data/LICENSE-Apache-2.0 DESTINATION ${CMAKE_INSTALL_DATADIR}/milden)
foreach(size 16 24 32 48 64 128 256)
  install(FILES resources/milden-${size}.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${MILDEN_APP_ID}.png)
endforeach()
# The desktop entry starts the tool in the data directory: it reads sorvane.dat from there.
configure_file(packaging/${MILDEN_APP_ID}.desktop.in ${CMAKE_BINARY_DIR}/${MILDEN_APP_ID}.desktop @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/${MILDEN_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/${MILDEN_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES packaging/milden-lookup.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME milden)
set(CPACK_PACKAGE_VENDOR "${MILDEN_PUBLISHER}")
set(CPACK_PACKAGE_CONTACT "${MILDEN_PUBLISHER} <support@velk.example.jp>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# Library dependencies (the Qt runtime among them) come from dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window needs the platform plugins and Qt's own Japanese texts, which no library dependency
# names.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-noto-cjk)
set(CPACK_STRIP_FILES ON)
include(CPack)
