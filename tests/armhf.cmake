# armhf cross builds: the emulated suites run only once the fence of tools/armhf-run has
# been shown to hold (CTest fixture): alone in a PID namespace, no pidfd clone, no kill(-1).
if(CMAKE_CROSSCOMPILING AND CMAKE_CROSSCOMPILING_EMULATOR MATCHES "armhf-run")
  add_executable(armhf_fence_probe armhf/fence_probe.cpp)
  list(GET CMAKE_CROSSCOMPILING_EMULATOR 1 PHONE_ARMHF_SYSROOT_DIR)
  add_test(NAME armhf_fence
    COMMAND ${CMAKE_SOURCE_DIR}/tools/armhf-fence-check ${PHONE_ARMHF_SYSROOT_DIR}
            $<TARGET_FILE:armhf_fence_probe>)
  set_tests_properties(armhf_fence PROPERTIES FIXTURES_SETUP armhf_fence TIMEOUT 60)
  function(phone_armhf_fence_all)
    get_property(tests DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR} PROPERTY TESTS)
    list(REMOVE_ITEM tests armhf_fence)
    set_tests_properties(${tests} PROPERTIES FIXTURES_REQUIRED armhf_fence)
  endfunction()
  cmake_language(DEFER CALL phone_armhf_fence_all)
endif()
