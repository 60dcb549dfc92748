# The Debian package, made by CPack from the same install rules as
# `cmake --install`, so the package can't differ from an installation.
# dpkg-shlibdeps finds the runtime libraries the programs link against.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME morvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "The Morvane developers <dev@morvane.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "player of gamebooks with role-playing rules")
set(CPACK_PACKAGE_DESCRIPTION
  "Morvane plays gamebooks: interactive stories in which the reader moves from
place to place by choosing among the offered options, with role-playing rules
on top: a hero with attributes and experience, money, weapons, armours, items,
spells and attacks, turn-based fights, shops and saved positions.
.
The package holds the window program morvane, the terminal player
morvane-text, the authoring tools and a small demo game.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Not "games": Debian keeps that section for programs in /usr/games, and
# Morvane's programs are in /usr/bin like those of any desktop program.
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The skins name Windows fonts; the Liberation fonts have their metrics. The
# sound library is loaded when a game first plays a sound, so dpkg-shlibdeps
# can't see it among the linked ones.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, libsdl2-mixer-2.0-0 (>= 2.6)")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://morvane.org/")
set(CPACK_STRIP_FILES ON)
set(CPACK_SET_DESTDIR OFF)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

# What Debian asks of every package: the copyright and the changelog.
set(MORVANE_CHANGELOG ${CMAKE_BINARY_DIR}/dist/changelog.gz)
add_custom_command(OUTPUT ${MORVANE_CHANGELOG}
  COMMAND gzip -9n -c ${CMAKE_SOURCE_DIR}/dist/changelog > ${MORVANE_CHANGELOG}
  DEPENDS ${CMAKE_SOURCE_DIR}/dist/changelog)
add_custom_target(morvane_changelog ALL DEPENDS ${MORVANE_CHANGELOG})
install(FILES ${CMAKE_SOURCE_DIR}/dist/copyright ${MORVANE_CHANGELOG}
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/morvane)

# The demo's script files are Windows-1250, as every game's are.
install(FILES ${CMAKE_SOURCE_DIR}/dist/lintian-overrides
  DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME morvane)

include(CPack)
