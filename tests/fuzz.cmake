# The fuzz targets' oracles on every build: each replays its committed corpus (merged to the
# inputs that reach new code, so a few hundred milliseconds) without libFuzzer. The oracle is
# the QSettings of the Qt in use.
foreach(target inifile tzdata)
  add_executable(tst_fuzz_${target} ${CMAKE_CURRENT_SOURCE_DIR}/fuzz/fuzz_${target}.cpp
                 ${CMAKE_CURRENT_SOURCE_DIR}/fuzz/replay.cpp)
  target_link_libraries(tst_fuzz_${target} PRIVATE phonewidgets phonetzdata Qt::Gui)
  target_include_directories(tst_fuzz_${target} PRIVATE ${CMAKE_SOURCE_DIR}/widgets/config)
  add_test(NAME tst_fuzz_${target} COMMAND tst_fuzz_${target} ${CMAKE_CURRENT_SOURCE_DIR}/fuzz/corpus/${target})
  set_tests_properties(tst_fuzz_${target} PROPERTIES ENVIRONMENT "LC_ALL=C.UTF-8" TIMEOUT 120)
endforeach()
