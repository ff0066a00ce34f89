# The checks that need the plain programs, as they ship: timings, memory ceilings and leak checks
# mean little under the sanitizers' own costs, and a process killed ten times over never reaches
# their exit checks. Run by the plain test build and by the release build (QUIRE_RELEASE_CHECKS),
# which builds no test program.
set(here ${CMAKE_CURRENT_LIST_DIR})
add_test(NAME cli_undo_after_kill COMMAND ${here}/cli_undo_kill_test.sh $<TARGET_FILE:quirebatch-cli>)
# It judges counted instructions and peak memory, which other tests beside it do not change.
add_test(NAME cli_scale COMMAND ${here}/cli_scale_test.sh $<TARGET_FILE:quirebatch-cli>)
add_test(NAME cli_dry_run_memory
         COMMAND ${here}/cli_dry_run_memory_test.sh $<TARGET_FILE:quirebatch-cli>)
add_test(NAME cli_valgrind COMMAND ${here}/cli_valgrind_test.sh $<TARGET_FILE:quirebatch-cli>)

# The real window on an X server of its own, driven with xdotool.
if(QUIRE_BUILD_QT)
  add_test(NAME qt_kill COMMAND ${here}/qt_kill_test.sh $<TARGET_FILE:quirebatch>)
  set_tests_properties(qt_kill PROPERTIES TIMEOUT 400 SKIP_RETURN_CODE 77)
  add_test(NAME qt_valgrind COMMAND ${here}/qt_valgrind_test.sh $<TARGET_FILE:quirebatch>)
  # valgrind takes a core to itself; the window tests beside it would wait past their limits.
  set_tests_properties(qt_valgrind PROPERTIES TIMEOUT 180 SKIP_RETURN_CODE 77 RUN_SERIAL TRUE)
endif()
