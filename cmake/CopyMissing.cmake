# Copies every file of SOURCE_DIR into TARGET_DIR that is not there yet. The
# demo folder is the user's to edit: a file already there is never replaced.
file(GLOB sources LIST_DIRECTORIES false "${SOURCE_DIR}/*")
file(MAKE_DIRECTORY "${TARGET_DIR}")
foreach(source ${sources})
  get_filename_component(name "${source}" NAME)
  if(NOT EXISTS "${TARGET_DIR}/${name}")
    file(COPY "${source}" DESTINATION "${TARGET_DIR}")
  endif()
endforeach()
