# The Qt 4.8 portability guard: first its own planted violations must all be caught, then the
# tree must have none.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
add_test(NAME qt4_api_guard_selftest
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tools/check-qt4-api --self-test)
add_test(NAME qt4_api_guard
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tools/check-qt4-api ${CMAKE_SOURCE_DIR})
set_tests_properties(qt4_api_guard PROPERTIES DEPENDS qt4_api_guard_selftest)
