# The release folder `cmake --install` makes: the three programs beside the staged Assets/, and nothing else.
foreach(variant IN LISTS BRISA_VARIANTS)
  if(TARGET Brisa2024-${variant})
    install(TARGETS Brisa2024-${variant} RUNTIME DESTINATION .)
  endif()
endforeach()
# The programs open Assets/ relative to the working directory, so it sits at the top of the folder.
install(DIRECTORY ${BRISA_ASSETS_DIR} DESTINATION .)
