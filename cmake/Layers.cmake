# The layers of src/, each one library that sees only what it may use.
#
#   quire_layer(<target> <folder>)
#
# The target's include directory is a view of src/ that holds <folder> alone (a link to it in the
# build tree). The views of the libraries it links come with them, so a layer sees itself and the
# layers below it: an include of any other layer fails to compile. Toolkit and system headers in
# the portable layers are caught by cmake/CheckToolkitFree.cmake.
function(quire_layer target folder)
  set(view "${CMAKE_BINARY_DIR}/layers/${target}")
  get_filename_component(parent "${view}/${folder}" DIRECTORY)
  file(MAKE_DIRECTORY "${parent}")
  if(NOT IS_SYMLINK "${view}/${folder}")
    file(CREATE_LINK "${PROJECT_SOURCE_DIR}/src/${folder}" "${view}/${folder}" SYMBOLIC)
  endif()
  target_include_directories(${target} PUBLIC "${view}")
  quire_warnings(${target})
endfunction()
