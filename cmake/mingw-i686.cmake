# Cross build for 32-bit Windows, the release build for Windows XP and later: the win32 thread
# model's runtime imports nothing XP lacks (the POSIX one wants GetTickCount64), and the headers
# declare only what XP has.
set(VEMPLOR_TRIPLE i686-w64-mingw32)
set(VEMPLOR_THREAD_MODEL win32)
set(VEMPLOR_MANIFEST_PROCESSOR X86)
set(CMAKE_C_FLAGS_INIT "-D_WIN32_WINNT=0x0501 -DWINVER=0x0501")
set(CMAKE_CXX_FLAGS_INIT "-D_WIN32_WINNT=0x0501 -DWINVER=0x0501")
set(CMAKE_RC_FLAGS_INIT "-D_WIN32_WINNT=0x0501 -DWINVER=0x0501")
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
