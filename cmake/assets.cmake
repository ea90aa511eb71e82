# Asset generation: a tool of tools/ writes files into the stage's Assets/ folder at build time.
#
# brisa_generate_assets(TARGET name COMMAND tool [args...] OUTPUTS files... [DEPENDS files...])
# Files in OUTPUTS are absolute paths, normally under ${BRISA_ASSETS_DIR}.
function(brisa_generate_assets)
  cmake_parse_arguments(A "" "TARGET" "COMMAND;OUTPUTS;DEPENDS" ${ARGN})
  list(GET A_COMMAND 0 tool)
  set(tool_dependency "")
  if(TARGET ${tool})
    set(tool_dependency ${tool})
  endif()
  add_custom_command(
    OUTPUT ${A_OUTPUTS}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${BRISA_ASSETS_DIR}
    COMMAND ${A_COMMAND}
    DEPENDS ${tool_dependency} ${A_DEPENDS}
    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
    COMMENT "Generating ${A_TARGET}"
    VERBATIM)
  add_custom_target(${A_TARGET} DEPENDS ${A_OUTPUTS})
  set_property(GLOBAL APPEND PROPERTY BRISA_ASSET_TARGETS ${A_TARGET})
endfunction()
