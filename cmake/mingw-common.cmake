# Shared part of the MinGW-w64 toolchain files: the win32 thread model keeps
# the program free of the winpthread DLL.
find_program(CMAKE_C_COMPILER NAMES ${toolPrefix}-gcc-win32 ${toolPrefix}-gcc REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${toolPrefix}-g++-win32 ${toolPrefix}-g++ REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${toolPrefix}-windres REQUIRED)
set(CMAKE_FIND_ROOT_PATH /usr/${toolPrefix})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
