# The release folder `cmake --install` makes: the three programs beside the staged Assets/, and nothing else.
# With no prefix of the user's, it is a folder of the show's own in the build folder, so that a bare
# install scatters nothing into /usr/local.
if(CMAKE_INSTALL_PREFIX_INITIALIZED_TO_DEFAULT)
  set(CMAKE_INSTALL_PREFIX ${CMAKE_BINARY_DIR}/Brisa2024-Lindora CACHE PATH "Where cmake --install puts the show" FORCE)
endif()
foreach(variant IN LISTS BRISA_VARIANTS)
  if(TARGET Brisa2024-${variant})
    install(TARGETS Brisa2024-${variant} RUNTIME DESTINATION .)
  endif()
endforeach()
# The programs open Assets/ relative to the working directory, so it sits at the top of the folder.
install(DIRECTORY ${BRISA_ASSETS_DIR} DESTINATION .)
