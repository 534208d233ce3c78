# The simulator's tests: the theme test needs the painter itself, the host test drives the
# simulator's host in process, the run test starts the phonesim program.
if(TARGET tst_sim_theme AND TARGET phonethemepainter)
  target_link_libraries(tst_sim_theme PRIVATE phonethemepainter)
endif()
if(TARGET tst_sim_host AND TARGET phonesimcore)
  target_link_libraries(tst_sim_host PRIVATE phonesimcore)
  target_compile_definitions(tst_sim_host PRIVATE PHONE_BASE_FILE="$<TARGET_FILE:base>")
endif()
if(TARGET tst_sim_run AND TARGET phonesim)
  add_dependencies(tst_sim_run phonesim)
  target_compile_definitions(tst_sim_run PRIVATE PHONESIM_FILE="$<TARGET_FILE:phonesim>")
  set_tests_properties(tst_sim_run PROPERTIES TIMEOUT 60)
endif()

# The simulator's benchmark drives the same host; bench/ is configured after tests/.
function(phone_sim_link_bench)
  if(TARGET bench_sim AND TARGET phonesimcore)
    target_link_libraries(bench_sim PRIVATE phonesimcore)
  endif()
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL phone_sim_link_bench)
