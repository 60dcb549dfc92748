# End-to-end tests: they play small game folders through the real programs.
if(TARGET morvane-text)
  file(GLOB console_tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/console/*.cpp)
  add_executable(morvane_e2e_tests ${console_tests})
  target_include_directories(morvane_e2e_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(morvane_e2e_tests PRIVATE morvane_console GTest::gtest GTest::gtest_main)
  # The source folder is given, not taken from __FILE__, which a compiler
  # cache may hand back relative to another build folder.
  target_compile_definitions(morvane_e2e_tests PRIVATE
    MORVANE_TEXT_BINARY="$<TARGET_FILE:morvane-text>" MORVANE_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
  add_dependencies(morvane_e2e_tests morvane-text)
  gtest_discover_tests(morvane_e2e_tests DISCOVERY_TIMEOUT 60)
endif()

# The windows, driven through their real controls on Qt's offscreen platform.
if(TARGET morvane_screens)
  find_package(Qt6 COMPONENTS Test REQUIRED)
  file(GLOB screens_tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/screens/*.cpp)
  add_executable(morvane_qt_tests ${screens_tests})
  target_include_directories(morvane_qt_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(morvane_qt_tests PRIVATE morvane_screens Qt6::Test GTest::gtest)
  gtest_discover_tests(morvane_qt_tests DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;SDL_AUDIODRIVER=dummy")
endif()

# The see-through colour at the scale factors players use on large screens.
if(TARGET morvane_qt_tests)
  foreach(factor 1.4 2)
    add_test(NAME SeeThroughAtScale${factor} COMMAND morvane_qt_tests --gtest_filter=SeeThrough.*)
    set_tests_properties(SeeThroughAtScale${factor} PROPERTIES ENVIRONMENT
      "QT_QPA_PLATFORM=offscreen;SDL_AUDIODRIVER=dummy;QT_SCALE_FACTOR=${factor}")
  endforeach()
endif()

# Once morvane-check is built, the reference's examples and the starter game
# go through it too; it may be made after this folder has been read.
function(morvane_check_for_tests)
  if(TARGET morvane-check AND TARGET morvane_e2e_tests)
    target_compile_definitions(morvane_e2e_tests PRIVATE
      MORVANE_CHECK_BINARY="$<TARGET_FILE:morvane-check>")
    add_dependencies(morvane_e2e_tests morvane-check)
  endif()
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL morvane_check_for_tests)
