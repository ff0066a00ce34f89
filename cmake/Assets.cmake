# Files the programs read from their own folder at run time: the theme (x/o.cjs), the hand pointer
# (HAND-M.CUR) and the sample folder (Samples/). The sources live in assets/ and are written by
# scripts/make-assets.py.
#
#   quire_copy_runtime_files(<target>)        after each build of <target>, copy them beside it, so
#                                             a program started from the build tree finds them
#   quire_install_runtime_files(<destination>) install them into <destination>

set_property(GLOBAL PROPERTY QUIRE_ASSETS_DIR "${CMAKE_CURRENT_LIST_DIR}/../assets")

function(quire_copy_runtime_files target)
  get_property(assets GLOBAL PROPERTY QUIRE_ASSETS_DIR)
  set(dir "$<TARGET_FILE_DIR:${target}>")
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND "${CMAKE_COMMAND}" -E make_directory "${dir}/x" "${dir}/Samples"
    COMMAND "${CMAKE_COMMAND}" -E copy_if_different "${assets}/x/o.cjs" "${dir}/x/o.cjs"
    COMMAND "${CMAKE_COMMAND}" -E copy_if_different "${assets}/HAND-M.CUR" "${dir}/HAND-M.CUR"
    # Merges into the folder: what trial runs created there stays.
    COMMAND "${CMAKE_COMMAND}" -E copy_directory "${assets}/Samples" "${dir}/Samples"
    COMMENT "Copying the runtime files beside ${target}"
    VERBATIM)
endfunction()

function(quire_install_runtime_files destination)
  get_property(assets GLOBAL PROPERTY QUIRE_ASSETS_DIR)
  install(FILES "${assets}/x/o.cjs" DESTINATION "${destination}/x")
  install(FILES "${assets}/HAND-M.CUR" DESTINATION "${destination}")
  install(DIRECTORY "${assets}/Samples" DESTINATION "${destination}")
endfunction()
