# stb's code, each part compiled once from its one file on both platforms, from the headers of
# Debian's libstb-dev; a program links at most one copy of each.
add_library(brisa_stb_headers INTERFACE)
target_include_directories(brisa_stb_headers SYSTEM INTERFACE ${BRISA_STB_INCLUDE_DIRS})

# The image decoder the programs load their textures with; the tests that read pictures back link it too.
add_library(brisa_stb_image STATIC ${CMAKE_SOURCE_DIR}/resources/stb_image.c)
target_link_libraries(brisa_stb_image PUBLIC brisa_stb_headers)

# The PNG and JPEG writer of the asset tools, the capture and the test fixtures; the programs write none.
add_library(brisa_stb_image_write STATIC EXCLUDE_FROM_ALL ${CMAKE_SOURCE_DIR}/tools/common/stb_image_write.c)
target_link_libraries(brisa_stb_image_write PUBLIC brisa_stb_headers)

# The font rasterizer of the sprite tool.
add_library(brisa_stb_truetype STATIC EXCLUDE_FROM_ALL ${CMAKE_SOURCE_DIR}/tools/sprites/stb_truetype.c)
target_link_libraries(brisa_stb_truetype PUBLIC brisa_stb_headers)

# stb has faults of its own that we cannot mend (the JPEG writer shifts bits out of an int; the
# decoder's are listed in tests/fuzz/CMakeLists.txt): a sanitized build leaves its code
# uninstrumented, so that what the sanitizers report is ours.
if(BRISA_SANITIZE)
  foreach(stb_part brisa_stb_image brisa_stb_image_write brisa_stb_truetype)
    target_compile_options(${stb_part} PRIVATE -fno-sanitize=all)
  endforeach()
endif()
