# Benchmarks of the Linux program (see bench/qt_bench.sh).
find_package(Qt6 REQUIRED COMPONENTS Test)
add_executable(qt_run_bench ${CMAKE_CURRENT_LIST_DIR}/qt_run_bench.cpp)
target_link_libraries(qt_run_bench PRIVATE quire_qt Qt6::Test)
quire_warnings(qt_run_bench)

add_executable(qt_startup_probe ${CMAKE_CURRENT_LIST_DIR}/qt_startup_probe.cpp)
target_link_libraries(qt_startup_probe PRIVATE quire_qt)
quire_warnings(qt_startup_probe)
quire_copy_runtime_files(qt_startup_probe)
