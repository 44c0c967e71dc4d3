# The tests the Windows build runs under Wine (tests/windows/run-under-wine
# sets up the Wine prefix, the COM ports and the station broker, and runs
# them through CTest). The one list of them is here: the window-free core
# and the station protocol against the simulated station.
set(CMAKE_CROSSCOMPILING_EMULATOR "${TARNIK_WINE}" CACHE STRING "Runs the Windows test programs" FORCE)

set(TARNIK_WINDOWS_TESTS
  app/test_userfolder
  document/test_cp1251
  document/test_xml
  document/test_programmerfile
  link/test_imagecodec
  link/test_serialdevice
  link/test_stationlink
  link/test_safewrite
  cli/test_cli_station
)
# The command-line tests run the built tarnik-cli.exe.
add_library(tarnik_cli_test_support STATIC cli/CliRun.h cli/CliRun.cpp)
target_link_libraries(tarnik_cli_test_support PUBLIC tarnik_test_support)
add_dependencies(tarnik_cli_test_support tarnik-cli)

foreach(test ${TARNIK_WINDOWS_TESTS})
  get_filename_component(name ${test} NAME)
  tarnik_test(${name} SOURCES ${test}.cpp)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
endforeach()
target_link_libraries(test_cli_station PRIVATE tarnik_cli_test_support)
