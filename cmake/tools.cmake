# Authoring tools: the writer of a game's definition record and the
# scrambler of its script files.
add_executable(morvane-definice ${CMAKE_SOURCE_DIR}/tools/morvane-definice.cpp)
target_link_libraries(morvane-definice PRIVATE morvane_core)
add_executable(morvane-zasifruj ${CMAKE_SOURCE_DIR}/tools/morvane-zasifruj.cpp)
target_link_libraries(morvane-zasifruj PRIVATE morvane_core)
target_compile_definitions(morvane-definice PRIVATE MORVANE_VERSION="${PROJECT_VERSION}")
target_compile_definitions(morvane-zasifruj PRIVATE MORVANE_VERSION="${PROJECT_VERSION}")

# The end-to-end tests of the demo run both tools; they are made after the
# tests folder has been read, so the dependency is added at the end.
function(morvane_tools_for_tests)
  if(TARGET morvane_e2e_tests)
    add_dependencies(morvane_e2e_tests morvane-definice morvane-zasifruj)
  endif()
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL morvane_tools_for_tests)
