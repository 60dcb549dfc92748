# The two front ends: the terminal player and (when Qt is found) the window.
find_package(nlohmann_json REQUIRED)

file(GLOB console_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/console/*.cpp)
add_library(morvane_console STATIC ${console_sources})
target_link_libraries(morvane_console PUBLIC morvane_core nlohmann_json::nlohmann_json)

add_executable(morvane-text ${CMAKE_SOURCE_DIR}/src/app/morvane_text.cpp)
target_link_libraries(morvane-text PRIVATE morvane_console)
target_compile_definitions(morvane-text PRIVATE MORVANE_VERSION="${PROJECT_VERSION}")
