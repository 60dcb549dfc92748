# The installation as a package makes it, played as a player would.
if(TARGET morvane-text)
  add_test(NAME Install.StagedDemoPlaysReadOnlyAndSavesToThePlayersDataFolder
    COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/install/staged_install.sh ${CMAKE_BINARY_DIR})
  set_tests_properties(Install.StagedDemoPlaysReadOnlyAndSavesToThePlayersDataFolder
    PROPERTIES TIMEOUT 300)
endif()
