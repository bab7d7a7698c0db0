# Cross build for 64-bit Windows with Debian's MinGW-w64, used for Qt, SQLite, GoogleTest and
# Paluksen alike (scripts/build-windows.sh passes it).
#
# The posix flavour of the compiler: its libstdc++ has std::thread and std::mutex, which Qt needs;
# the win32 flavour has neither.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(PALUKSEN_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${PALUKSEN_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${PALUKSEN_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${PALUKSEN_MINGW}-windres)
# The gcc-ar wrappers understand the objects of a link-time optimised build as well.
set(CMAKE_AR ${PALUKSEN_MINGW}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${PALUKSEN_MINGW}-gcc-ranlib-posix CACHE FILEPATH "")

# Libraries, headers and CMake packages come from the MinGW tree and from the Windows builds of
# Qt, SQLite and GoogleTest named in PALUKSEN_WINDOWS_ROOTS, never from the build machine's own
# /usr, whose Linux libraries would link into nothing. Programs (moc, rcc, uic) are the machine's.
set(CMAKE_FIND_ROOT_PATH /usr/${PALUKSEN_MINGW} ${PALUKSEN_WINDOWS_ROOTS})
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES PALUKSEN_WINDOWS_ROOTS)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Qt's host tools are those of the machine's Qt (Debian's qt6-base-dev), of the same version.
set(QT_HOST_PATH /usr CACHE PATH "")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "")
