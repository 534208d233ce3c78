# The one place that picks the Qt version. The libraries, the plug-in and the tests link the
# versionless targets Qt::Core, Qt::Gui, Qt::Widgets and Qt::Test; lrelease and rcc of the Qt in
# use (PHONE_LRELEASE_EXECUTABLE, PHONE_RCC_EXECUTABLE with PHONE_RCC_FORMAT_OPTION) build the
# pictures and, through phonewidgets_add_translations (PhoneWidgetsMacros.cmake, also the
# SDK's), the page's translations:
#   Qt 5.15 (default): find_package(Qt5), which provides the versionless targets itself.
#   Qt 4.8 (the phone's SDK): -DPHONE_QT=4 -DQT_QMAKE_EXECUTABLE=<SDK>/bin/qmake; CMake's
#   FindQt4 finds it and the targets below wrap its Qt4::QtCore, Qt4::QtGui and Qt4::QtTest.
# PHONE_QT_FULL is set where the whole tree builds (Qt 5): the simulator, the gallery, the
# theme painter and the benchmarks stay Qt 5 programs.
# PHONE_QT_STANDIN_QWS is set where Qt has no window server of its own (Qt 5, or a Qt 4 built
# without QWS): libbase then brings the QWSServer stand-in.
set(PHONE_QT 5 CACHE STRING "Qt major version to build with: 5, or 4 for the phone's Qt 4.8 SDK")
set_property(CACHE PHONE_QT PROPERTY STRINGS 4 5)

if(PHONE_QT STREQUAL "4")
  find_package(Qt4 4.8 REQUIRED COMPONENTS QtCore QtGui QtTest)
  # The module macros tell QTEST_MAIN to make a QApplication, as Qt 5's targets do.
  foreach(module Core Gui Test)
    string(TOUPPER ${module} upper)
    add_library(Qt::${module} INTERFACE IMPORTED GLOBAL)
    set_target_properties(Qt::${module} PROPERTIES INTERFACE_LINK_LIBRARIES Qt4::Qt${module}
      INTERFACE_COMPILE_DEFINITIONS QT_${upper}_LIB)
  endforeach()
  set_property(TARGET Qt::Test APPEND PROPERTY INTERFACE_COMPILE_DEFINITIONS QT_TESTLIB_LIB)
  # Qt 4's widgets live in QtGui.
  add_library(Qt::Widgets INTERFACE IMPORTED GLOBAL)
  set_target_properties(Qt::Widgets PROPERTIES INTERFACE_LINK_LIBRARIES Qt4::QtGui)
  set(PHONE_RCC_EXECUTABLE ${QT_RCC_EXECUTABLE})
  set(PHONE_RCC_FORMAT_OPTION)   # Qt 4's rcc writes format 1 only
  find_program(PHONE_LRELEASE_EXECUTABLE NAMES lrelease-qt4 lrelease
    HINTS ${QT_BINARY_DIR} NO_CMAKE_FIND_ROOT_PATH)
  set(PHONE_QT_FULL OFF)
  # FindQt4 tells a Qt for Embedded Linux (QWS) build by its Q_WS_QWS.
  if(Q_WS_QWS)
    set(PHONE_QT_STANDIN_QWS OFF)
  else()
    set(PHONE_QT_STANDIN_QWS ON)
  endif()
elseif(PHONE_QT STREQUAL "5")
  if(CMAKE_CROSSCOMPILING)
    # The target's Qt, the build machine's moc, uic and rcc (same 5.15).
    foreach(tool moc rcc uic qmake)
      find_program(PHONE_HOST_${tool} NAMES ${tool} PATHS /usr/lib/qt5/bin
        /usr/lib/${CMAKE_LIBRARY_ARCHITECTURE}/qt5/bin NO_CMAKE_FIND_ROOT_PATH NO_DEFAULT_PATH)
      if(NOT PHONE_HOST_${tool})
        message(FATAL_ERROR "The build machine's Qt 5 ${tool} is missing (qtbase5-dev-tools)")
      endif()
      add_executable(Qt5::${tool} IMPORTED GLOBAL)
      set_target_properties(Qt5::${tool} PROPERTIES IMPORTED_LOCATION ${PHONE_HOST_${tool}})
    endforeach()
  endif()
  find_package(Qt5 5.15 REQUIRED COMPONENTS Core Gui Widgets Test)
  get_target_property(PHONE_RCC_EXECUTABLE Qt5::rcc IMPORTED_LOCATION)
  set(PHONE_RCC_FORMAT_OPTION --format-version 1)
  find_package(Qt5LinguistTools QUIET)
  if(TARGET Qt5::lrelease AND NOT CMAKE_CROSSCOMPILING)
    get_target_property(PHONE_LRELEASE_EXECUTABLE Qt5::lrelease IMPORTED_LOCATION)
  else()
    find_program(PHONE_LRELEASE_EXECUTABLE NAMES lrelease
      PATHS /usr/lib/qt5/bin NO_CMAKE_FIND_ROOT_PATH)
  endif()
  set(PHONE_QT_FULL ON)
  set(PHONE_QT_STANDIN_QWS ON)
else()
  message(FATAL_ERROR "PHONE_QT must be 4 or 5, not '${PHONE_QT}'")
endif()
if(NOT PHONE_LRELEASE_EXECUTABLE)
  message(FATAL_ERROR "lrelease not found (Qt 5: qttools5-dev-tools; Qt 4: the SDK's bin/)")
endif()

# The phone's libraries, plug-in and tests are C++11 (the phone's compiler); only the Qt 5
# programs on top may use more.
function(phone_cxx11)
  foreach(target ${ARGN})
    set_target_properties(${target} PROPERTIES CXX_STANDARD 11 CXX_STANDARD_REQUIRED ON)
  endforeach()
endfunction()
