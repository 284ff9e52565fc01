# What both MinGW-w64 toolchains share; the file that includes this one sets
# CMAKE_SYSTEM_PROCESSOR (i686 or x86_64). The posix thread model: GoogleTest
# needs std::mutex; setup itself starts no thread.
set(CMAKE_SYSTEM_NAME Windows)
set(TARVEX_MINGW ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32)
set(CMAKE_C_COMPILER ${TARVEX_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TARVEX_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${TARVEX_MINGW}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${TARVEX_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh)
