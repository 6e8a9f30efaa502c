# `cmake --install`: the program, its desktop entry, icons, AppStream
# metadata, manual page and licence under the GNU directories; and
# `make package`: the same files as a Debian package built by CPack.
include(GNUInstallDirs)

set(WALLTEST_APP_ID org.walltest.walltest)
set(WALLTEST_ICON_SIZES 16 24 32 48 64 128 256)

install(TARGETS walltest RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/packaging/${WALLTEST_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/${WALLTEST_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_SOURCE_DIR}/resources/icons/${WALLTEST_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size ${WALLTEST_ICON_SIZES})
    install(FILES ${CMAKE_SOURCE_DIR}/resources/icons/${WALLTEST_APP_ID}-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${WALLTEST_APP_ID}.png)
endforeach()

# The manual page is the English --help, so it never depends on the locale
# or a remembered language of whoever builds, with the sections --help
# leaves out (exit status, files, environment, examples) from an include file.
find_program(HELP2MAN help2man REQUIRED)
set(WALLTEST_MAN ${CMAKE_BINARY_DIR}/walltest.1)
add_custom_command(OUTPUT ${WALLTEST_MAN}.gz
    COMMAND ${HELP2MAN} --no-info --section=1 "--name=test patterns for LED display walls"
            "--help-option=--lang en --help" "--version-option=--lang en --version"
            --include=${CMAKE_SOURCE_DIR}/packaging/walltest.h2m
            --output=${WALLTEST_MAN} $<TARGET_FILE:walltest>
    COMMAND gzip -9nf ${WALLTEST_MAN}
    DEPENDS walltest ${CMAKE_SOURCE_DIR}/packaging/walltest.h2m
    COMMENT "Writing the manual page from walltest --help"
    VERBATIM)

# Debian's documentation: the licence as a machine-readable copyright file
# and the compressed changelog.
file(READ ${CMAKE_SOURCE_DIR}/LICENSE license_text)
string(REGEX REPLACE "^MIT License\n\nCopyright \\(c\\) [^\n]*\n\n" "" license_body "${license_text}")
string(REGEX REPLACE "\n+$" "" license_body "${license_body}")
string(REGEX REPLACE "\n\n" "\n.\n" license_body "${license_body}")
string(REGEX REPLACE "\n" "\n " license_body "${license_body}")
file(WRITE ${CMAKE_BINARY_DIR}/copyright
"Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: walltest

Files: *
Copyright: 2026 the walltest authors
License: Expat
 ${license_body}
")
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/changelog.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/packaging/changelog ${CMAKE_BINARY_DIR}/changelog
    COMMAND gzip -9nf ${CMAKE_BINARY_DIR}/changelog
    DEPENDS ${CMAKE_SOURCE_DIR}/packaging/changelog
    VERBATIM)
add_custom_target(walltest_docs ALL DEPENDS ${WALLTEST_MAN}.gz ${CMAKE_BINARY_DIR}/changelog.gz)

install(FILES ${WALLTEST_MAN}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_BINARY_DIR}/copyright ${CMAKE_BINARY_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME walltest)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "walltest authors <walltest@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "test patterns for LED display walls")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# What dpkg-shlibdeps cannot see: the fonts the patterns and the panel name,
# and the toolkit's own translations for its dialogs.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-cjk, fonts-liberation2, fonts-urw-base35, ${WALLTEST_QT_L10N_PACKAGE}")
# The synopsis is CPACK_PACKAGE_DESCRIPTION_SUMMARY; this is the rest.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "walltest fills a window placed exactly over the part of the desktop that
an LED display wall shows with test patterns: solid colours and gray
levels, colour bars, gray ramps and gradients, moving scan lines, a
character test, contrast charts, frame-delay clocks per cabinet, a grid
with circles and pictures from files.
.
It remembers each wall in a profile, exports patterns as PNG files from
the command line and can be driven through a remote-control web page.
Its panel speaks English and Chinese.")
include(CPack)
