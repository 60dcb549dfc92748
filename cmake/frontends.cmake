# The two front ends: the terminal player and (when Qt is found) the window.
find_package(nlohmann_json REQUIRED)

file(GLOB console_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/console/*.cpp)
add_library(morvane_console STATIC ${console_sources})
target_link_libraries(morvane_console PUBLIC morvane_core nlohmann_json::nlohmann_json)

add_executable(morvane-text ${CMAKE_SOURCE_DIR}/src/app/morvane_text.cpp)
target_link_libraries(morvane-text PRIVATE morvane_console)
target_compile_definitions(morvane-text PRIVATE MORVANE_VERSION="${PROJECT_VERSION}")

# The window program, built when Qt 6 is there. Qt stays in these targets:
# the core never sees it.
find_package(Qt6 COMPONENTS Widgets)
if(Qt6Widgets_FOUND)
  file(GLOB screens_sources CONFIGURE_DEPENDS
    ${CMAKE_SOURCE_DIR}/src/screens/*.cpp ${CMAKE_SOURCE_DIR}/src/screens/*.h
    ${CMAKE_SOURCE_DIR}/src/shell/labely/*.cpp ${CMAKE_SOURCE_DIR}/src/shell/labely/*.h)
  add_library(morvane_screens STATIC ${screens_sources})
  set_target_properties(morvane_screens PROPERTIES AUTOMOC ON)
  target_link_libraries(morvane_screens PUBLIC morvane_core Qt6::Widgets)

  add_executable(morvane ${CMAKE_SOURCE_DIR}/src/app/morvane.cpp)
  target_link_libraries(morvane PRIVATE morvane_screens)
  target_compile_definitions(morvane PRIVATE MORVANE_VERSION="${PROJECT_VERSION}")
else()
  message(STATUS "Qt 6 Widgets not found: the window program is not built")
endif()
