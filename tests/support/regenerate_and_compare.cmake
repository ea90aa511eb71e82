# Runs an asset tool into a scratch folder and compares each file NAMES lists with the staged one.
file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH})
execute_process(COMMAND ${TOOL} ${SCRATCH} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${TOOL} failed: ${result}")
endif()
foreach(name IN LISTS NAMES)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${SCRATCH}/${name} ${STAGED}/${name}
    RESULT_VARIABLE differs)
  if(NOT differs EQUAL 0)
    message(FATAL_ERROR "${name} differs between two runs of ${TOOL}")
  endif()
endforeach()
