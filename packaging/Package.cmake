# The manual pages, the package's documents and the Debian package itself:
#   cmake --preset package && cmake --build --preset package && cpack --preset package
include(GNUInstallDirs)

# Manual pages, dated and numbered like the release, compressed as Debian wants them.
find_program(GZIP gzip REQUIRED)
set(VERSION ${PROJECT_VERSION})
set(RELEASE_DATE ${QUADRELL_RELEASE_DATE})
foreach(page quadrell2000.6 quadrell-cli.6)
    configure_file(${PROJECT_SOURCE_DIR}/docs/man/${page} ${CMAKE_BINARY_DIR}/man/${page} @ONLY)
    add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/man/${page}.gz
        COMMAND ${GZIP} -9nf -k ${CMAKE_BINARY_DIR}/man/${page}
        DEPENDS ${CMAKE_BINARY_DIR}/man/${page}
        COMMENT "Compressing the manual page ${page}")
    list(APPEND QUADRELL_MAN_PAGES ${CMAKE_BINARY_DIR}/man/${page}.gz)
endforeach()
add_custom_target(manpages ALL DEPENDS ${QUADRELL_MAN_PAGES})
install(FILES ${QUADRELL_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

# The copyright and the changelog every Debian package carries.
set(CHANGELOG_DATE ${QUADRELL_RELEASE_DATE_RFC2822})
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in ${CMAKE_BINARY_DIR}/doc/changelog @ONLY)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/doc/changelog.gz
    COMMAND ${GZIP} -9nf -k ${CMAKE_BINARY_DIR}/doc/changelog
    DEPENDS ${CMAKE_BINARY_DIR}/doc/changelog)
add_custom_target(changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/doc/changelog.gz)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${CMAKE_BINARY_DIR}/doc/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/quadrell2000)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quadrell2000)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Quadrell 2000 developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "solitaire with eight columns, four cells and four foundations")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT) # quadrell2000_VERSION_ARCH.deb
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Quadrell 2000 developers <developers@quadrell2000.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://github.com/quadrell2000/quadrell2000)
# What the binaries need, as dpkg-shlibdeps finds it; no hand-written list.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own buttons (Yes, No, Cancel) in the player's language; a native window on a Wayland
# desktop (Debian's default), sharp at any scale, not a blurred one through XWayland.
# The sounds are played through libcanberra, opened only when a player turns them on.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "qt6-translations-l10n, qt6-wayland, libcanberra0, libcanberra-pulse")
# The lines below the summary; CPack indents them and marks the empty one.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"Quadrell 2000 deals a deck of 52 cards face up into eight columns by a
numbered deal; four cells hold one card each and four foundations build up
by suit from ace to king. Cards move by clicking, dragging or from the
keyboard, every move can be undone, games are saved to go on with or to
watch, and up to five players keep scores and statistics.

The board scales with its window and can be played with a screen reader.")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
