# Cross build for 64-bit Windows with Debian's MinGW-w64 (posix thread model: GoogleTest needs std::mutex).
set(VEMPLOR_TRIPLE x86_64-w64-mingw32)
set(VEMPLOR_THREAD_MODEL posix)
set(VEMPLOR_MANIFEST_PROCESSOR amd64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
