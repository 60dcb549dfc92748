# morvane-check: the authoring check, random playthroughs and the story map.
# It needs the core only (no Qt): the JSON writer and Graphviz's library,
# which lays out the map as SVG.
find_package(nlohmann_json REQUIRED)
pkg_check_modules(GVC REQUIRED IMPORTED_TARGET libgvc)
find_package(Threads REQUIRED)

file(GLOB check_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/check/*.cpp)
add_library(morvane_check STATIC ${check_sources})
target_link_libraries(morvane_check PUBLIC morvane_core nlohmann_json::nlohmann_json
  PRIVATE PkgConfig::GVC Threads::Threads)

add_executable(morvane-check ${CMAKE_SOURCE_DIR}/src/app/morvane_check.cpp)
target_link_libraries(morvane-check PRIVATE morvane_check)
target_compile_definitions(morvane-check PRIVATE MORVANE_VERSION="${PROJECT_VERSION}")
