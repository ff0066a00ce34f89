# The real programs' runs in a folder's tests keep their journal in the build tree, never in the
# user's own state folder, whose last run a user may still mean to undo; each test in a folder of
# its own, since tests run side by side and a run's journal replaced by another's is a warning.
function(quire_tests_keep_journal_in_build_tree)
  get_property(folder_tests DIRECTORY PROPERTY TESTS)
  foreach(test IN LISTS folder_tests)
    string(MAKE_C_IDENTIFIER "${test}" folder)
    set_property(TEST ${test} APPEND PROPERTY ENVIRONMENT
                 XDG_STATE_HOME=${CMAKE_BINARY_DIR}/test-state/${folder})
  endforeach()
endfunction()

