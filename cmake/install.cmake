# What `cmake --install` puts where: the programs in bin, the help pages and
# manual pages, and on free desktops the menu entry, icons, AppStream data and
# bash completion.

include(GNUInstallDirs)
# The documentation folder is named after the package, not the project.
set(QUILLFIND_DOCDIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/quillfind)

set(QUILLFIND_WEB_ADDRESS "https://quillfind.example.org" CACHE STRING
    "The project's web address; the AppStream data points there for its screenshots")
set(QUILLFIND_APP_ID "org.example.Quillfind" CACHE STRING "AppStream id, also the desktop entry's file name")
set(QUILLFIND_RELEASE_DATE "2026-12-09")
set(QUILLFIND_RELEASE_DATE_RFC2822 "Wed, 09 Dec 2026 12:00:00 +0000")
set(QUILLFIND_MAINTAINER "Quillfind developers <quillfind@example.org>")

install(TARGETS quillfind-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET quillfind)
  install(TARGETS quillfind RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

# The desktop program looks for its help at <bindir>/../share/doc/quillfind/help;
# the pages show the screenshots from the folder beside them.
install(DIRECTORY ${CMAKE_SOURCE_DIR}/docs/help/ DESTINATION ${QUILLFIND_DOCDIR}/help)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/docs/screenshots/ DESTINATION ${QUILLFIND_DOCDIR}/screenshots
        FILES_MATCHING PATTERN "*.png")

# Manual pages carry the version.
set(QUILLFIND_MAN_DIR ${CMAKE_BINARY_DIR}/man)
foreach(page quillfind-cli.1 quillfind.1)
  configure_file(${CMAKE_SOURCE_DIR}/docs/man/${page}.in ${QUILLFIND_MAN_DIR}/${page} @ONLY)
endforeach()

if(UNIX AND NOT APPLE)
  # Installed compressed, as man and Debian expect.
  find_program(QUILLFIND_GZIP gzip REQUIRED)
  set(man_pages quillfind-cli.1)
  if(TARGET quillfind)
    list(APPEND man_pages quillfind.1)
  endif()
  set(man_outputs)
  foreach(page IN LISTS man_pages)
    add_custom_command(OUTPUT ${QUILLFIND_MAN_DIR}/${page}.gz
      COMMAND ${QUILLFIND_GZIP} -9 -n -c ${QUILLFIND_MAN_DIR}/${page} > ${QUILLFIND_MAN_DIR}/${page}.gz
      DEPENDS ${QUILLFIND_MAN_DIR}/${page}
      COMMENT "Compressing the manual page ${page}")
    list(APPEND man_outputs ${QUILLFIND_MAN_DIR}/${page}.gz)
  endforeach()
  add_custom_target(manual_pages ALL DEPENDS ${man_outputs})
  install(FILES ${man_outputs} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

  set(icon_source ${CMAKE_SOURCE_DIR}/src/shell/quillfind.svg)
  set(QUILLFIND_ICON_DIR ${CMAKE_BINARY_DIR}/icons)
  find_program(QUILLFIND_RSVG_CONVERT rsvg-convert REQUIRED)
  set(icon_outputs)
  foreach(size 48 256)
    set(png ${QUILLFIND_ICON_DIR}/${size}x${size}/quillfind.png)
    add_custom_command(OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${QUILLFIND_ICON_DIR}/${size}x${size}
      COMMAND ${QUILLFIND_RSVG_CONVERT} --width ${size} --height ${size} --output ${png} ${icon_source}
      DEPENDS ${icon_source}
      COMMENT "Rendering the ${size} px icon")
    list(APPEND icon_outputs ${png})
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
  add_custom_target(icons ALL DEPENDS ${icon_outputs})
  install(FILES ${icon_source} DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/scalable/apps)

  if(TARGET quillfind)
    install(FILES ${CMAKE_SOURCE_DIR}/src/shell/quillfind.desktop
            DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications RENAME ${QUILLFIND_APP_ID}.desktop)
    configure_file(${CMAKE_SOURCE_DIR}/packaging/quillfind.metainfo.xml.in
                   ${CMAKE_BINARY_DIR}/packaging/${QUILLFIND_APP_ID}.metainfo.xml @ONLY)
    install(FILES ${CMAKE_BINARY_DIR}/packaging/${QUILLFIND_APP_ID}.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)
  endif()

  install(FILES ${CMAKE_SOURCE_DIR}/packaging/quillfind-cli.bash
          DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/bash-completion/completions RENAME quillfind-cli)
endif()
