# End-to-end tests: they play small game folders through the real programs.
if(TARGET morvane-text)
  file(GLOB console_tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/console/*.cpp)
  add_executable(morvane_e2e_tests ${console_tests})
  target_include_directories(morvane_e2e_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(morvane_e2e_tests PRIVATE morvane_console GTest::gtest GTest::gtest_main)
  target_compile_definitions(morvane_e2e_tests PRIVATE
    MORVANE_TEXT_BINARY="$<TARGET_FILE:morvane-text>")
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
