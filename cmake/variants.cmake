# One library of all demo code per screen size, and the deliverable that links it.
function(brisa_screen_size variant out_width out_height)
  if(variant STREQUAL "480")
    set(${out_width} 854 PARENT_SCOPE)
    set(${out_height} 480 PARENT_SCOPE)
  elseif(variant STREQUAL "720")
    set(${out_width} 1280 PARENT_SCOPE)
    set(${out_height} 720 PARENT_SCOPE)
  elseif(variant STREQUAL "1080")
    set(${out_width} 1920 PARENT_SCOPE)
    set(${out_height} 1080 PARENT_SCOPE)
  else()
    message(FATAL_ERROR "unknown screen variant ${variant}")
  endif()
endfunction()

# Where the platforms differ, each has its own file: NAME_linux.cpp or NAME_windows.c(pp), and
# their tests NAME_linux_test.cpp or NAME_windows_test.cpp.
if(WIN32)
  set(BRISA_OTHER_PLATFORM_SOURCES "_linux(_test)?\\.(c|cpp)$")
else()
  set(BRISA_OTHER_PLATFORM_SOURCES "_windows(_test)?\\.(c|cpp)$")
endif()

# stb's decoder (resources/stb_image.c) is compiled once for every size, in cmake/stb.cmake.
file(GLOB BRISA_LIBRARY_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/resources/*.cpp
  ${CMAKE_SOURCE_DIR}/engine/*.cpp
  ${CMAKE_SOURCE_DIR}/demo/*.cpp)
list(FILTER BRISA_LIBRARY_SOURCES EXCLUDE REGEX "/demo/main\\.cpp$")
list(FILTER BRISA_LIBRARY_SOURCES EXCLUDE REGEX "${BRISA_OTHER_PLATFORM_SOURCES}")

function(brisa_add_variant variant)
  brisa_screen_size(${variant} width height)
  set(lib brisa_${variant})
  add_library(${lib} STATIC ${BRISA_LIBRARY_SOURCES})
  target_include_directories(${lib} PUBLIC ${CMAKE_SOURCE_DIR})
  target_compile_definitions(${lib} PUBLIC BRISA_SCREEN_WIDTH=${width} BRISA_SCREEN_HEIGHT=${height})
  target_compile_options(${lib} PRIVATE ${BRISA_WARNINGS})
  target_link_libraries(${lib} PUBLIC glad glm::glm PkgConfig::SDL2 PkgConfig::MODPLUG brisa_stb_image
    Threads::Threads ${CMAKE_DL_LIBS})

  if(EXISTS ${CMAKE_SOURCE_DIR}/demo/main.cpp)
    set(exe Brisa2024-${variant})
    add_executable(${exe} ${CMAKE_SOURCE_DIR}/demo/main.cpp)
    target_compile_options(${exe} PRIVATE ${BRISA_WARNINGS})
    target_link_libraries(${exe} PRIVATE ${lib})
    if(WIN32)
      # The Windows entry point that hands the command line to main.
      target_link_libraries(${exe} PRIVATE SDL2::SDL2main)
    endif()
    set_target_properties(${exe} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${BRISA_STAGE_DIR})
  endif()
endfunction()
