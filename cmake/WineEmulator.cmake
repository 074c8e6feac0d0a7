# Runs the cross-built Windows test programs under Wine: CTest puts the
# build's wine-run.sh in front of every test command.
find_program(WINE_PROGRAM wine)
find_program(WINESERVER_PROGRAM wineserver)
if(WINE_PROGRAM AND WINESERVER_PROGRAM)
  set(WINE_PREFIX ${CMAKE_BINARY_DIR}/wine-prefix)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/../tools/wine-run.sh.in ${CMAKE_BINARY_DIR}/wine-run.sh
    @ONLY FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run.sh)
else()
  message(STATUS "Wine not found: the Windows programs build, but their tests cannot run here")
endif()
