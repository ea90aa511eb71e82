# Runs the scenery tool into a scratch folder and compares every file with the staged one.
file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH})
execute_process(COMMAND ${TOOL} ${SCRATCH} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "scenery tool failed: ${result}")
endif()
foreach(name flamingo.obj windsurf.obj plane.obj flamingo_tex.png windsurf_tex.png heightmap.png)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${SCRATCH}/${name} ${STAGED}/${name}
    RESULT_VARIABLE differs)
  if(NOT differs EQUAL 0)
    message(FATAL_ERROR "${name} differs between two runs of the scenery tool")
  endif()
endforeach()
