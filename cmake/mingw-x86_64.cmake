# Cross-compiling for 64-bit Windows with Debian's mingw-w64: the same sources for wine64 to test.
set(BRISA_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(BRISA_MINGW_ARCH_FLAGS "")
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
