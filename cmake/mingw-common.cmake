# Shared part of the two mingw-w64 toolchains. MINGW_TRIPLET is set by the including file.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${MINGW_TRIPLET}-windres)
# Libraries cross-built by scripts/setup live in build/deps/<triplet>.
get_filename_component(MEMOTRAY_DEPS_PREFIX "${CMAKE_CURRENT_LIST_DIR}/../build/deps/${MINGW_TRIPLET}" ABSOLUTE)
set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLET} ${MEMOTRAY_DEPS_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Static libraries only, so the executables need no DLL beside them.
set(CMAKE_FIND_LIBRARY_SUFFIXES .a)
