# Cross build for 32-bit Windows, the release build.
set(VEMPLOR_TRIPLE i686-w64-mingw32)
set(VEMPLOR_MANIFEST_PROCESSOR X86)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
