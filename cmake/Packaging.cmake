# What an installation holds besides the programs, and the Debian package made of it:
#   cpack -G DEB --config build/CPackConfig.cmake   ->   kalvor_<version>_amd64.deb
# The programs install into bin, the udev rule of the keypads where KALVOR_UDEV_RULES_DIR says.

set(KALVOR_SHARE_DIR share/kalvor)

# The translations, in share/kalvor/translations: the program looks there, relative to its
# own directory, when no directory "translations" of the working directory holds them.
install(FILES ${PROJECT_BINARY_DIR}/bin/translations/kalvor_de.qm
              ${PROJECT_BINARY_DIR}/bin/translations/kalvor_en.qm
        DESTINATION ${KALVOR_SHARE_DIR}/translations)

# The desktop menu entry with its icon; the entry starts kalvor-start, which sets up the
# private server with the demo federation on a user's first start.
install(PROGRAMS ${PROJECT_SOURCE_DIR}/packaging/kalvor-start DESTINATION bin)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/kalvor.desktop DESTINATION share/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/kalvor.svg
        DESTINATION share/icons/hicolor/scalable/apps)

# The manual pages, with the version filled in and compressed as Debian wants them.
set(KALVOR_MAN_PAGES)
foreach(page kalvor kalvor-admin)
    set(source ${PROJECT_SOURCE_DIR}/packaging/${page}.1)
    set(page_file ${PROJECT_BINARY_DIR}/man/${page}.1)
    set(KALVOR_VERSION ${PROJECT_VERSION})
    configure_file(${source} ${page_file} @ONLY)
    add_custom_command(OUTPUT ${page_file}.gz
                       COMMAND gzip -9 -n -f -k ${page_file}
                       DEPENDS ${page_file} VERBATIM)
    list(APPEND KALVOR_MAN_PAGES ${page_file}.gz)
endforeach()
add_custom_target(kalvor_man_pages ALL DEPENDS ${KALVOR_MAN_PAGES})
install(FILES ${KALVOR_MAN_PAGES} DESTINATION share/man/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kalvor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "photo competitions of a federation of photo clubs")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Kalvor keeps the clubs of a federation, their members and the federation's\n\
photo competitions: categories, rounds, jurors, entered pictures, the\n\
jurors' scores on numeric keypads of their own, results, statistics and the\n\
exchange of data as CSV files and ZIP archives. Its user interface is German.\n\
The data lives in MariaDB: a server shared by the offices, or a private\n\
server of the user that kalvor-admin sets up.")
set(KALVOR_PACKAGE_MAINTAINER "Kalvor developers <kalvor@example.org>"
    CACHE STRING "The maintainer named in the Debian package")
set(CPACK_PACKAGE_CONTACT ${KALVOR_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
# The libraries the programs link, found by dpkg-shlibdeps; besides them the programs that
# kalvor-admin runs for the private server (mariadbd, mariadb-install-db with the client's
# my_print_defaults).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "mariadb-server-core, mariadb-client-core")
# Qt's own German and English texts (dialog buttons and the like).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
