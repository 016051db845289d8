set(HUSHCLOAK_TRIPLET i686-w64-mingw32)
set(HUSHCLOAK_PROCESSOR x86)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-toolchain.cmake)
