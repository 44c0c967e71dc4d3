# The Windows build (cross-compiled with cmake/mingw-w64.cmake): what it
# takes from a host build and how its programs are linked.

# The pictures, the help page and the icon are drawn by build-time tools
# that run on the build machine: a host (Linux) build of the same tree makes
# them (./setup.sh windows builds its run-directory and app-icon targets
# first).
set(TARNIK_HOST_BUILD "${CMAKE_SOURCE_DIR}/build" CACHE PATH
    "A host build of this tree that has drawn the pictures, the help page and the icon")
set(TARNIK_HOST_RUN_DIR ${TARNIK_HOST_BUILD}/run)
set(TARNIK_WINDOWS_ICON ${TARNIK_HOST_BUILD}/icons/tarnik-programmer.ico)
foreach(needed ${TARNIK_HOST_RUN_DIR}/Source/logo.bmp ${TARNIK_HOST_RUN_DIR}/Source/Help.html
               ${TARNIK_HOST_RUN_DIR}/Source/Help.en.html ${TARNIK_WINDOWS_ICON})
  if(NOT EXISTS ${needed})
    message(FATAL_ERROR "${needed} is missing: build the host build's run-directory and app-icon "
                        "targets first, or set TARNIK_HOST_BUILD")
  endif()
endforeach()

# The programs carry the icon (Explorer, the Start menu and their windows
# show it).
file(WRITE ${CMAKE_BINARY_DIR}/tarnik-icon.rc "IDI_ICON1 ICON \"${TARNIK_WINDOWS_ICON}\"\n")

# tarnik_windows_program(<target> [WINDOW]): a shipped program with the
# icon; WINDOW: a window program without a console, as a Windows user starts
# it from the Start menu.
function(tarnik_windows_program target)
  cmake_parse_arguments(P "WINDOW" "" "" ${ARGN})
  target_sources(${target} PRIVATE ${CMAKE_BINARY_DIR}/tarnik-icon.rc)
  if(P_WINDOW)
    set_target_properties(${target} PROPERTIES WIN32_EXECUTABLE ON)
  endif()
endfunction()

# Wine runs the Windows test programs here (tests/windows/run-under-wine).
find_program(TARNIK_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH
             DOC "Wine, to run the Windows test programs")
