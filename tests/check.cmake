# The authoring check: small games with one mistake each, the demo, random
# playthroughs replayed through the real morvane-text, the story map.
if(TARGET morvane_check AND TARGET morvane-text)
  file(GLOB check_tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/check/*.cpp)
  add_executable(morvane_check_tests ${check_tests})
  target_include_directories(morvane_check_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(morvane_check_tests PRIVATE morvane_check GTest::gtest GTest::gtest_main)
  target_compile_definitions(morvane_check_tests PRIVATE
    MORVANE_TEXT_BINARY="$<TARGET_FILE:morvane-text>")
  add_dependencies(morvane_check_tests morvane-text)
  gtest_discover_tests(morvane_check_tests DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "SDL_AUDIODRIVER=dummy")
endif()
