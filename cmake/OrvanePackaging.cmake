# What `cmake --install` puts where, and the Debian package CPack makes of it. The programs look for
# the table file and the demo in ../share/orvane-texteditor beside their bin folder, so the data folder
# follows the install prefix.
include(GNUInstallDirs)
set(ORVANE_APP_ID org.orvane.Texteditor)
set(ORVANE_DATA ${PROJECT_SOURCE_DIR}/data)
set(ORVANE_STAGE ${CMAKE_BINARY_DIR}/install-files)

install(TARGETS orvane-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/Orvane_Englisch.tbl ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/demo.smc
        DESTINATION ${CMAKE_INSTALL_DATADIR}/orvane-texteditor)
install(FILES ${ORVANE_DATA}/orvane-cli.bash-completion DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
        RENAME orvane-cli)

# Manual pages and the changelog go compressed, as Debian keeps them.
find_program(GZIP_PROGRAM gzip REQUIRED)
set(ORVANE_MADE_FILES)
foreach(file man/orvane-cli.1 man/orvane-texteditor.1 changelog)
  set(compressed ${ORVANE_STAGE}/${file}.gz)
  add_custom_command(OUTPUT ${compressed}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${ORVANE_STAGE}/man
    COMMAND ${GZIP_PROGRAM} -9n -c ${ORVANE_DATA}/${file} > ${compressed}
    DEPENDS ${ORVANE_DATA}/${file} VERBATIM)
  list(APPEND ORVANE_MADE_FILES ${compressed})
endforeach()
install(FILES ${ORVANE_STAGE}/man/orvane-cli.1.gz ${ORVANE_STAGE}/man/orvane-texteditor.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${ORVANE_STAGE}/changelog.gz ${ORVANE_DATA}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/orvane-texteditor)

if(ORVANE_BUILD_APP)
  install(TARGETS orvane-texteditor RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${ORVANE_DATA}/${ORVANE_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${ORVANE_DATA}/${ORVANE_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${ORVANE_DATA}/${ORVANE_APP_ID}.mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
          RENAME ${ORVANE_APP_ID}.xml)
  # The icon is drawn once as SVG; the menus that want pixels get them rendered from it.
  find_program(RSVG_CONVERT rsvg-convert REQUIRED)
  set(icon ${ORVANE_DATA}/${ORVANE_APP_ID}.svg)
  install(FILES ${icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  foreach(size 16 24 32 48 64 128 256)
    set(png ${ORVANE_STAGE}/icons/${size}x${size}/${ORVANE_APP_ID}.png)
    add_custom_command(OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${ORVANE_STAGE}/icons/${size}x${size}
      COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} ${icon} -o ${png}
      DEPENDS ${icon} VERBATIM)
    list(APPEND ORVANE_MADE_FILES ${png})
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
endif()
add_custom_target(orvane_install_files ALL DEPENDS ${ORVANE_MADE_FILES})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvane-texteditor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Orvane Texteditor developers <team@orvane.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for the texts of a SNES role-playing game's ROM image")
set(CPACK_PACKAGE_DESCRIPTION
    "Orvane Texteditor opens the ROM image of one SNES role-playing game, decodes\n"
    "the dialogue banks and name lists at their fixed places, lets translators\n"
    "edit them, compresses the dialogue with a dictionary and writes everything\n"
    "back. Projects, PO files, BPS/IPS patches and a progress report page serve\n"
    "translation teams, and orvane-cli does the same work without a desktop.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION text)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://orvane.example.org/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The libraries come from dpkg-shlibdeps; Qt's platform plugins are loaded at run time, so it cannot see them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "hunspell-en-us, bash-completion")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)
