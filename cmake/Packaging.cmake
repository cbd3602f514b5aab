# Install rules and the Debian package (cpack -G DEB, or scripts/package).
# An installed program keeps its shipped files in share/verdika beside bin/;
# the program finds them as ../share/verdika relative to its executable
# (locateProgramDir in src/app/paths.cpp), so these two folders are fixed.
set(VERDIKA_APP_ID cz.verdika.Verdika)

install(TARGETS verdika verdika-cli RUNTIME DESTINATION bin)
install(TARGETS verdika_network LIBRARY DESTINATION lib/verdika)
install(DIRECTORY ${VERDIKA_SHARE_DIR}/ DESTINATION share/verdika)

if(UNIX AND NOT APPLE)
  set(_pkg ${CMAKE_SOURCE_DIR}/packaging)
  set(_gen ${CMAKE_BINARY_DIR}/packaging)

  # The 256 px icon is rendered from the drawing, which stays the only source.
  find_program(RSVG_CONVERT rsvg-convert REQUIRED)
  set(VERDIKA_ICON_PNG ${_gen}/icons/${VERDIKA_APP_ID}.png)
  add_custom_command(
    OUTPUT ${VERDIKA_ICON_PNG}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${_gen}/icons
    COMMAND ${RSVG_CONVERT} -w 256 -h 256 -o ${VERDIKA_ICON_PNG} ${_pkg}/${VERDIKA_APP_ID}.svg
    DEPENDS ${_pkg}/${VERDIKA_APP_ID}.svg
    COMMENT "Rendering the 256 px icon")
  # The window icon, for desktops that take it from the window rather than the
  # entry. 64 px is enough for a title bar or task bar and decodes in a
  # sixteenth of the 256 px one's time at every start.
  set(VERDIKA_WINDOW_ICON_PNG ${_gen}/window-icon/${VERDIKA_APP_ID}.png)
  add_custom_command(
    OUTPUT ${VERDIKA_WINDOW_ICON_PNG}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${_gen}/window-icon
    COMMAND ${RSVG_CONVERT} -w 64 -h 64 -o ${VERDIKA_WINDOW_ICON_PNG} ${_pkg}/${VERDIKA_APP_ID}.svg
    DEPENDS ${_pkg}/${VERDIKA_APP_ID}.svg
    COMMENT "Rendering the 64 px window icon")
  qt_add_resources(verdika verdika_icon PREFIX /icons BASE ${_gen}/window-icon FILES ${VERDIKA_WINDOW_ICON_PNG})

  # The man page of verdika-cli is generated from its own --help texts.
  set(VERDIKA_MAN_PAGE ${_gen}/man/verdika-cli.1.gz)
  add_custom_command(
    OUTPUT ${VERDIKA_MAN_PAGE}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${_gen}/man ${_gen}/man-data
    COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0 VERDIKA_DATA_DIR=${_gen}/man-data
            ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:verdika-cli> -DOUT=${VERDIKA_MAN_PAGE}
            -DVERSION=${PROJECT_VERSION} -DDATE=${VERDIKA_RELEASE_DATE} -P ${_pkg}/manpage.cmake
    DEPENDS verdika-cli ${_pkg}/manpage.cmake
    COMMENT "Generating the verdika-cli man page from its help")
  add_custom_target(verdika_packaging ALL DEPENDS ${VERDIKA_MAN_PAGE} ${VERDIKA_ICON_PNG})

  configure_file(${_pkg}/${VERDIKA_APP_ID}.metainfo.xml.in ${_gen}/${VERDIKA_APP_ID}.metainfo.xml @ONLY)

  install(FILES ${_pkg}/${VERDIKA_APP_ID}.desktop DESTINATION share/applications)
  install(FILES ${_gen}/${VERDIKA_APP_ID}.metainfo.xml DESTINATION share/metainfo)
  install(FILES ${_pkg}/${VERDIKA_APP_ID}.svg DESTINATION share/icons/hicolor/scalable/apps)
  install(FILES ${VERDIKA_ICON_PNG} DESTINATION share/icons/hicolor/256x256/apps)
  install(FILES ${VERDIKA_MAN_PAGE} DESTINATION share/man/man1)

  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGE_NAME verdika)
  set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_STRIP_FILES TRUE)
  set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculators for Czech attorneys")
  string(CONCAT CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Attorney's fee under the tariff decree, court, notary, executor and insolvency\n"
    "fees, travel costs, late interest, deadlines with Czech public holidays, a task\n"
    "list and a pocket calculator, with the rates in force on each date.\n"
    "Also from the command line as verdika-cli.")
  set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Verdika <podpora@verdika.cz>")
  set(CPACK_DEBIAN_PACKAGE_SECTION misc)
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.verdika.cz)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  # Qt loads its window-system plugins at run time, which shlibdeps cannot see.
  set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
  # Nor can it see libzip and libxlsxwriter, which the program opens by name
  # when it first needs them: their packages are added by owner.
  foreach(_lib ${_lib_LIBZIP} ${_lib_XLSXWRITER})
    file(REAL_PATH ${_lib} _real)
    execute_process(COMMAND dpkg-query -S ${_real} OUTPUT_VARIABLE _owner RESULT_VARIABLE _rc ERROR_QUIET)
    if(NOT _rc EQUAL 0 OR NOT _owner MATCHES "^([^:]+)")
      message(FATAL_ERROR "No Debian package owns ${_real}")
    endif()
    string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", ${CMAKE_MATCH_1}")
  endforeach()
  # Fonts for printing and PDF, and xdg-open for opening exports and web links.
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation, fonts-dejavu-core, xdg-utils")
  set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
      OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
  include(CPack)
endif()
