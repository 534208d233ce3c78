# The simulator's tests: the theme test needs the painter itself, the host test drives the
# simulator's host in process, the run and VNC tests start the phonesim program (the VNC
# test as real viewers, with LibVNCServer's client library).
if(TARGET tst_sim_theme AND TARGET phonethemepainter)
  target_link_libraries(tst_sim_theme PRIVATE phonethemepainter)
endif()
if(TARGET tst_sim_host AND TARGET phonesimcore)
  target_link_libraries(tst_sim_host PRIVATE phonesimcore)
  target_compile_definitions(tst_sim_host PRIVATE PHONE_BASE_FILE="$<TARGET_FILE:base>")
endif()
if(TARGET tst_sim_vnc AND NOT TARGET phonesim)
  # No LibVNCServer, no phonesim to test.
  set_target_properties(tst_sim_vnc tst_sim_run PROPERTIES EXCLUDE_FROM_ALL TRUE)
  set_tests_properties(tst_sim_vnc tst_sim_run PROPERTIES DISABLED TRUE)
endif()
if(TARGET tst_sim_vnc AND TARGET phonesim)
  find_package(PkgConfig REQUIRED)
  pkg_check_modules(LIBVNCCLIENT REQUIRED IMPORTED_TARGET libvncclient)
  target_link_libraries(tst_sim_vnc PRIVATE phonesimcore PkgConfig::LIBVNCCLIENT)
  add_dependencies(tst_sim_vnc phonesim)
  target_compile_definitions(tst_sim_vnc PRIVATE PHONESIM_FILE="$<TARGET_FILE:phonesim>")
  set_tests_properties(tst_sim_vnc PROPERTIES TIMEOUT 90)
endif()
if(TARGET tst_sim_run AND TARGET phonesim AND TARGET phonegallery)
  target_link_libraries(tst_sim_run PRIVATE phonesimcore)
  add_dependencies(tst_sim_run phonesim phonegallery)
  target_compile_definitions(tst_sim_run PRIVATE PHONESIM_FILE="$<TARGET_FILE:phonesim>"
    PHONEGALLERY_FILE="$<TARGET_FILE:phonegallery>" PHONE_PICTURES_CLOCK="${PHONE_PICTURES_CLOCK}")
  set_tests_properties(tst_sim_run PROPERTIES TIMEOUT 120)
endif()
if(TARGET phonesim)
  # The face in a real browser, headless Chromium, through the pages the simulator serves;
  # skipped, with its reason, where no Chromium is installed.
  find_package(Python3 REQUIRED COMPONENTS Interpreter)
  add_test(NAME tst_sim_browser
    COMMAND Python3::Interpreter ${CMAKE_CURRENT_SOURCE_DIR}/tst_sim_browser.py $<TARGET_FILE:phonesim>)
  set_tests_properties(tst_sim_browser PROPERTIES TIMEOUT 600 SKIP_RETURN_CODE 77)
endif()

# The simulator's benchmark drives the same host; bench/ is configured after tests/.
function(phone_sim_link_bench)
  if(TARGET bench_sim AND TARGET phonesimcore)
    target_link_libraries(bench_sim PRIVATE phonesimcore)
  endif()
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL phone_sim_link_bench)
