# Installing Morvane like a desktop program: the programs, the demo game, the
# desktop entry, the AppStream metadata, the icons and a man page for every
# program, made from its own --help so the two can't drift apart.
include(GNUInstallDirs)

set(MORVANE_APP_ID org.morvane.Morvane)
set(MORVANE_DIST ${CMAKE_SOURCE_DIR}/dist)
set(MORVANE_GENERATED ${CMAKE_BINARY_DIR}/dist)
file(MAKE_DIRECTORY ${MORVANE_GENERATED}/man ${MORVANE_GENERATED}/icons)

# The demo, without what playing it from the source tree leaves behind.
install(DIRECTORY ${CMAKE_SOURCE_DIR}/games/demo/
  DESTINATION ${CMAKE_INSTALL_DATADIR}/morvane/games/demo
  PATTERN save EXCLUDE
  PATTERN temp EXCLUDE
  PATTERN setup.ini EXCLUDE
  PATTERN "seznampromennych_*.txt" EXCLUDE
  PATTERN "*.tmp[0-9]*" EXCLUDE
  PATTERN .gitignore EXCLUDE)

install(FILES ${MORVANE_DIST}/${MORVANE_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(${MORVANE_DIST}/${MORVANE_APP_ID}.metainfo.xml.in
  ${MORVANE_GENERATED}/${MORVANE_APP_ID}.metainfo.xml @ONLY)
install(FILES ${MORVANE_GENERATED}/${MORVANE_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${MORVANE_DIST}/${MORVANE_APP_ID}.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The PNG icons are drawn from the SVG at build time.
find_program(MORVANE_RSVG rsvg-convert)
if(MORVANE_RSVG)
  set(icons)
  foreach(size 16 24 32 48 64 128 256)
    set(png ${MORVANE_GENERATED}/icons/${size}/${MORVANE_APP_ID}.png)
    add_custom_command(OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${MORVANE_GENERATED}/icons/${size}
      COMMAND ${MORVANE_RSVG} -w ${size} -h ${size} -o ${png} ${MORVANE_DIST}/${MORVANE_APP_ID}.svg
      DEPENDS ${MORVANE_DIST}/${MORVANE_APP_ID}.svg VERBATIM)
    list(APPEND icons ${png})
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
  add_custom_target(morvane_icons ALL DEPENDS ${icons})
else()
  message(STATUS "rsvg-convert not found: only the scalable icon is installed")
endif()

# The programs and their man pages. Deferred to the end of the configuration
# so that programs defined in files read later are seen too.
function(morvane_install_programs)
  find_program(MORVANE_HELP2MAN help2man)
  set(pages)
  foreach(program morvane morvane-text morvane-check morvane-definice morvane-zasifruj)
    if(NOT TARGET ${program})
      continue()
    endif()
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    if(NOT MORVANE_HELP2MAN)
      continue()
    endif()
    # The version is given, not asked: a tool's --version is not needed for
    # its page, and every page carries the release it belongs to.
    set(page ${MORVANE_GENERATED}/man/${program}.1)
    add_custom_command(OUTPUT ${page}.gz
      COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
        ${MORVANE_HELP2MAN} --no-info --no-discard-stderr
        --name=${MORVANE_MAN_NAME_${program}}
        --version-string=${PROJECT_VERSION}
        --output=${page} $<TARGET_FILE:${program}>
      COMMAND gzip -9nf ${page}
      DEPENDS ${program} VERBATIM)
    set(page ${page}.gz)
    list(APPEND pages ${page})
    install(FILES ${page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  endforeach()
  if(pages)
    add_custom_target(morvane_man_pages ALL DEPENDS ${pages})
  else()
    message(STATUS "help2man not found: no man pages are made")
  endif()
endfunction()
set(MORVANE_MAN_NAME_morvane "play a gamebook in windows")
set(MORVANE_MAN_NAME_morvane-text "play a gamebook in the terminal")
set(MORVANE_MAN_NAME_morvane-check "check a gamebook for mistakes")
set(MORVANE_MAN_NAME_morvane-definice "write a gamebook's definition record")
set(MORVANE_MAN_NAME_morvane-zasifruj "scramble a gamebook's script files")
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL morvane_install_programs)
