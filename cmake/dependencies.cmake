# The libraries the programs, tools and tests are built against, as the same targets on both platforms.
find_package(Threads REQUIRED)
if(NOT WIN32)
  find_package(PkgConfig REQUIRED)
  pkg_check_modules(SDL2 REQUIRED IMPORTED_TARGET sdl2)
  pkg_check_modules(MODPLUG REQUIRED IMPORTED_TARGET libmodplug)
  # Only the headers of Debian's libstb-dev: stb's code is compiled in (cmake/stb.cmake).
  pkg_check_modules(STB REQUIRED stb)
  set(BRISA_STB_INCLUDE_DIRS ${STB_INCLUDE_DIRS})
  find_package(glm REQUIRED)
  return()
endif()

# Windows: SDL2 and libmodplug cross-built into BRISA_WINDOWS_DEPS from their Debian sources, the
# header-only glm and stb from the build machine, GoogleTest from Debian's source package.
set(BRISA_WINDOWS_DEPS "" CACHE PATH "Prefix of the cross-built SDL2 and libmodplug")
set(BRISA_HOST_INCLUDE_DIR /usr/include CACHE PATH "Where the build machine keeps glm/ and stb/")
find_package(SDL2 2.26 CONFIG REQUIRED PATHS ${BRISA_WINDOWS_DEPS} NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)

# Console programs with no DLL beside them that Windows lacks: the C++ runtime and winpthread linked in.
add_link_options(-static -mconsole)

# SDL2main's entry glue goes only into the programs whose main is SDL's (see variants.cmake).
add_library(PkgConfig::SDL2 INTERFACE IMPORTED)
target_link_libraries(PkgConfig::SDL2 INTERFACE SDL2::SDL2-static)

add_library(PkgConfig::MODPLUG INTERFACE IMPORTED)
target_include_directories(PkgConfig::MODPLUG SYSTEM INTERFACE ${BRISA_WINDOWS_DEPS}/include)
target_compile_definitions(PkgConfig::MODPLUG INTERFACE MODPLUG_STATIC)
target_link_libraries(PkgConfig::MODPLUG INTERFACE ${BRISA_WINDOWS_DEPS}/lib/libmodplug.a)

# Only glm/ and stb/ of the build machine's headers: its C library's must stay out of sight.
set(BRISA_HOST_HEADERS ${CMAKE_BINARY_DIR}/host-headers)
file(MAKE_DIRECTORY ${BRISA_HOST_HEADERS})
file(CREATE_LINK ${BRISA_HOST_INCLUDE_DIR}/glm ${BRISA_HOST_HEADERS}/glm SYMBOLIC)
add_library(glm::glm INTERFACE IMPORTED)
target_include_directories(glm::glm SYSTEM INTERFACE ${BRISA_HOST_HEADERS})
set(BRISA_STB_INCLUDE_DIRS ${BRISA_HOST_INCLUDE_DIR}/stb)

set(BRISA_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest's sources, from Debian's googletest")
