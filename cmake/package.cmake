# `cpack -G DEB` (make package): quillfind_<version>_amd64.deb.
if(NOT (UNIX AND NOT APPLE))
  return()
endif()

# Debian wants a copyright file and a compressed changelog beside the documentation.
configure_file(${CMAKE_SOURCE_DIR}/packaging/changelog.in ${CMAKE_BINARY_DIR}/packaging/changelog @ONLY)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/packaging/changelog.gz
  COMMAND ${QUILLFIND_GZIP} -9 -n -c ${CMAKE_BINARY_DIR}/packaging/changelog > ${CMAKE_BINARY_DIR}/packaging/changelog.gz
  DEPENDS ${CMAKE_BINARY_DIR}/packaging/changelog)
add_custom_target(package_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright ${CMAKE_BINARY_DIR}/packaging/changelog.gz
        DESTINATION ${QUILLFIND_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillfind)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Quillfind developers")
set(CPACK_PACKAGE_CONTACT ${QUILLFIND_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "search folders, file names and file content without an index")
# Debian wants the long description in lines of at most 80 characters.
set(CPACK_PACKAGE_DESCRIPTION "Quillfind finds folders, files and lines of text in the folders you\n\
choose, reading the files as they are now instead of building an index\n\
first. Queries are lists of terms and exact phrases, or Boolean expressions\n\
evaluated per file or per line; folders, file names, types, dates and sizes\n\
select what is searched. It searches inside ZIP archives and, through\n\
antiword and pdftotext, in Word and PDF documents. Results can be sorted,\n\
grouped, reported, exported and copied.\n\
.\n\
This package holds the Qt desktop program quillfind and the command line\n\
quillfind-cli.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${QUILLFIND_WEB_ADDRESS})
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${QUILLFIND_MAINTAINER})
# Runtime libraries as dpkg-shlibdeps finds them, and the two converters the
# search runs for Word and PDF documents.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "antiword, poppler-utils")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
