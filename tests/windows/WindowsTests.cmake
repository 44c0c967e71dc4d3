# The tests the Windows build runs under Wine (tests/windows/run-under-wine
# sets up the Wine prefix, the COM ports and the station broker, and runs
# them through CTest). The one list of them is here: the window-free core
# and the station protocol against the simulated station, in the core test
# program, and the command line against the station in the system tests.
set(CMAKE_CROSSCOMPILING_EMULATOR "${TARNIK_WINE}" CACHE STRING "Runs the Windows test programs" FORCE)

tarnik_test_program(tarnik-core-tests)
tarnik_tests(tarnik-core-tests
  document/test_userfolder.cpp
  document/test_cp1251.cpp
  document/test_xml.cpp
  document/test_programmerfile.cpp
  document/test_language.cpp
  link/test_imagecodec.cpp
  link/test_serialdevice.cpp
  link/test_stationlink.cpp
  link/test_safewrite.cpp
)

# The command-line tests run the built tarnik-cli.exe.
tarnik_test_program(tarnik-system-tests)
target_sources(tarnik-system-tests PRIVATE cli/CliRun.h cli/CliRun.cpp)
add_dependencies(tarnik-system-tests tarnik-cli)
tarnik_tests(tarnik-system-tests cli/test_cli_station.cpp)

tarnik_test_mocs(tarnik-core-tests)
tarnik_test_mocs(tarnik-system-tests)
