# Cross-compiling for 32-bit Windows with Debian's mingw-w64 (the posix flavour, for std::thread).
set(BRISA_MINGW_TRIPLET i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR i686)
# SSE arithmetic, as on x86-64: the x87's wider intermediates would round the show's floats otherwise.
set(BRISA_MINGW_ARCH_FLAGS "-msse2 -mfpmath=sse")
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
