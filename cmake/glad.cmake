# The OpenGL 3.3 core loader, generated at build time by the glad 2 generator.
find_program(GLAD_EXECUTABLE glad REQUIRED)
set(GLAD_OUT_DIR ${CMAKE_BINARY_DIR}/glad)
set(GLAD_SOURCES ${GLAD_OUT_DIR}/src/gl.c)
add_custom_command(
  OUTPUT ${GLAD_SOURCES} ${GLAD_OUT_DIR}/include/glad/gl.h
  COMMAND ${GLAD_EXECUTABLE} --reproducible --quiet --api gl:core=3.3 --out-path ${GLAD_OUT_DIR} c
  COMMENT "Generating the OpenGL 3.3 core loader"
  VERBATIM)
add_library(glad STATIC ${GLAD_SOURCES})
target_include_directories(glad SYSTEM PUBLIC ${GLAD_OUT_DIR}/include)
set_target_properties(glad PROPERTIES POSITION_INDEPENDENT_CODE ON)
