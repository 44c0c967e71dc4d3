# Cross build for 64-bit Windows with Debian's MinGW-w64 (posix threads)
# and a static Qt for Windows. TARNIK_WINDOWS_QT names the unpacked Qt
# (the folder holding bin/, lib/, plugins/); ./setup.sh windows unpacks it
# into build-windows/qt6-mingw.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

if(NOT TARNIK_WINDOWS_QT)
  set(TARNIK_WINDOWS_QT "$ENV{TARNIK_WINDOWS_QT}")
endif()
if(NOT TARNIK_WINDOWS_QT)
  message(FATAL_ERROR "Set TARNIK_WINDOWS_QT to the unpacked Qt for Windows (qt6-mingw)")
endif()
set(TARNIK_WINDOWS_QT "${TARNIK_WINDOWS_QT}" CACHE PATH "The static Qt for Windows")
# CMake's compiler checks read this file again in projects of their own.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES TARNIK_WINDOWS_QT)
list(APPEND CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${TARNIK_WINDOWS_QT})
list(APPEND CMAKE_PREFIX_PATH ${TARNIK_WINDOWS_QT})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Qt's own build tools (moc, rcc, uic) come from the host's Qt of the same
# version.
set(QT_HOST_PATH /usr CACHE PATH "Host Qt")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "Host Qt's CMake packages")

# One file per program: the C and C++ runtimes and the threads library are
# linked in, so nothing but the .exe has to be shipped.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
