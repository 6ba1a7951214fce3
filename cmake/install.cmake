# Installation into the standard places of a desktop system, and a Debian
# package made from it with CPack.
include(GNUInstallDirs)

# One identifier names the desktop entry, the icon and the AppStream component.
set(YUCARRA_APP_ID "org.yucarra.yucarra")
# The licence of LICENSE and packaging/copyright, as software centres show it.
set(YUCARRA_LICENSE "GPL-3.0-or-later")
set(YUCARRA_SCREENSHOT_URL "" CACHE STRING
    "Web address where packaging/screenshot.png is published; software centres show it")

set(YUCARRA_SCREENSHOTS "")
if(YUCARRA_SCREENSHOT_URL)
  set(YUCARRA_SCREENSHOTS "  <screenshots>
    <screenshot type=\"default\">
      <caption>The main window and a step of the key</caption>
      <image>${YUCARRA_SCREENSHOT_URL}</image>
    </screenshot>
  </screenshots>")
endif()
set(YUCARRA_METAINFO ${CMAKE_CURRENT_BINARY_DIR}/${YUCARRA_APP_ID}.metainfo.xml)
configure_file(packaging/${YUCARRA_APP_ID}.metainfo.xml.in ${YUCARRA_METAINFO} @ONLY)

install(TARGETS yucarra yucarra-classify RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES packaging/${YUCARRA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# The profile file type, opened with the program from a file manager.
install(FILES packaging/${YUCARRA_APP_ID}.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES assets/shell/program_icon.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${YUCARRA_APP_ID}.svg)
install(FILES ${YUCARRA_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# Debian keeps a package's licence in its copyright file; the full GPL text is
# the system's own /usr/share/common-licenses/GPL-3.
install(FILES packaging/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME yucarra)
set(CPACK_PACKAGE_VENDOR "The Yucarra project")
set(CPACK_PACKAGE_CONTACT "The Yucarra project")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "classifies Aridisols down to the subgroup")
set(CPACK_PACKAGE_DESCRIPTION "Walks the key of Soil Taxonomy for the order Aridisols screen by screen, \
with reference pages on the diagnostic horizons and characteristics and calculators \
for the n value and the particle-size class.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY yucarra)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# Dependencies come from the libraries the program links, not from a list.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window fonts are mapped to these metric-compatible faces.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation, shared-mime-info")
include(CPack)
