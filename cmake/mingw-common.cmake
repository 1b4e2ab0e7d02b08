set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${VEMPLOR_TRIPLE}-gcc-${VEMPLOR_THREAD_MODEL})
set(CMAKE_CXX_COMPILER ${VEMPLOR_TRIPLE}-g++-${VEMPLOR_THREAD_MODEL})
set(CMAKE_RC_COMPILER ${VEMPLOR_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${VEMPLOR_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
# Tests of the Windows build run under 64-bit Wine in a Japanese locale (code page 932), through
# a script that starts a program again when Wine ended it before it ran.
set(CMAKE_CROSSCOMPILING_EMULATOR bash;${CMAKE_CURRENT_LIST_DIR}/../scripts/under-wine.sh;/usr/bin/env;LC_ALL=ja_JP.UTF-8;LANG=ja_JP.UTF-8;WINEDEBUG=-all;/usr/lib/wine/wine64)
set(VEMPLOR_MANIFEST_PROCESSOR ${VEMPLOR_MANIFEST_PROCESSOR} CACHE STRING "processorArchitecture in the manifest")
