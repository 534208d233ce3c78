# The SDK: what "cmake --install" puts under the prefix, in the tree's layers:
#
#   lib/libbase.so.1             host library stand-in      PhoneWidgets::base
#   include/phonebase/           its headers
#   lib/libphonewidgets.so.1     the toolkit                PhoneWidgets::phonewidgets
#   include/phonewidgets/        its headers
#   plugins/                     the pages (the time-zone page)
#   bin/phonesim                 the simulator              PhoneWidgets::phonesim
#   theme/phonetheme.rcc         the host's pictures
#   lib/cmake/PhoneWidgets/      find_package(PhoneWidgets)
#   lib/pkgconfig/               phonebase.pc, phonewidgets.pc
#   share/doc/phonewidgets/      notices
#
# bin, plugins and theme sit side by side as in the build tree, where phonesim finds the
# page and the pictures next to itself. Every installed path is relative to the prefix, so
# the prefix can be moved after installing.

# "sdk" builds what the rules below install and nothing else (no suites, no benchmarks):
# "make install" builds it, then runs cmake --install. Each rule adds its target to it.
add_custom_target(sdk)

# The SDK keeps to a prefix of its own, as Qt's does.
if(CMAKE_INSTALL_PREFIX_INITIALIZED_TO_DEFAULT)
  set(CMAKE_INSTALL_PREFIX /opt/phonewidgets CACHE PATH "Where cmake --install puts the SDK" FORCE)
endif()
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(PHONE_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/PhoneWidgets)
set(PHONE_INSTALL_PLUGINDIR plugins)
set(PHONE_INSTALL_THEMEDIR theme)
set(PHONE_INSTALL_DOCDIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/phonewidgets)
file(RELATIVE_PATH PHONE_BIN_TO_LIB /${CMAKE_INSTALL_BINDIR} /${CMAKE_INSTALL_LIBDIR})
file(RELATIVE_PATH PHONE_PLUGIN_TO_LIB /${PHONE_INSTALL_PLUGINDIR} /${CMAKE_INSTALL_LIBDIR})

# The Qt the tree was built with; a user of the SDK must get the same one.
if(TARGET Qt5::Core)
  set(PHONE_QT_MAJOR 5)
  set(PHONE_QT_VERSION ${Qt5Core_VERSION_MAJOR}.${Qt5Core_VERSION_MINOR})
  set(PHONE_PC_QT_REQUIRES "Qt5Widgets >= ${Qt5Core_VERSION_MAJOR}.${Qt5Core_VERSION_MINOR}")
elseif(TARGET Qt4::QtCore)
  set(PHONE_QT_MAJOR 4)
  set(PHONE_QT_VERSION ${QT_VERSION_MAJOR}.${QT_VERSION_MINOR})
  set(PHONE_PC_QT_REQUIRES "QtGui >= ${QT_VERSION_MAJOR}.${QT_VERSION_MINOR}")
else()
  message(FATAL_ERROR "PhoneInstall: neither Qt 5 nor Qt 4 was found before the install rules")
endif()

# Headers: every header in a directory on a library's public include path is public. Both
# layers install flat, each into its own directory that is on the installed include path,
# so a page includes "ListView.h" and "Core.h" the same way in this tree, against the SDK
# and against the phone's own headers.
function(phone_install_library target headerdir)
  get_target_property(dirs ${target} INTERFACE_INCLUDE_DIRECTORIES)
  set(interface)
  foreach(dir ${dirs})
    if(dir MATCHES "^\\$<BUILD_INTERFACE:(.*)>$")
      set(source ${CMAKE_MATCH_1})
      list(APPEND interface "${dir}")
    elseif(dir MATCHES "^\\$<")
      list(APPEND interface "${dir}")
      continue()
    else()
      set(source ${dir})
      list(APPEND interface "$<BUILD_INTERFACE:${dir}>")
    endif()
    file(GLOB headers CONFIGURE_DEPENDS ${source}/*.h)
    install(FILES ${headers} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/${headerdir})
  endforeach()
  list(APPEND interface "$<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/${headerdir}>")
  set_property(TARGET ${target} PROPERTY INTERFACE_INCLUDE_DIRECTORIES "${interface}")
  set_target_properties(${target} PROPERTIES
    VERSION ${PROJECT_VERSION}
    SOVERSION ${PROJECT_VERSION_MAJOR}
    INSTALL_RPATH "$ORIGIN")
  install(TARGETS ${target} EXPORT PhoneWidgetsTargets
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
  add_dependencies(sdk ${target})
endfunction()

phone_install_library(base phonebase)
phone_install_library(phonewidgets phonewidgets)

if(TARGET settings_datetime)
  set_target_properties(settings_datetime PROPERTIES INSTALL_RPATH "$ORIGIN/${PHONE_PLUGIN_TO_LIB}")
  install(TARGETS settings_datetime LIBRARY DESTINATION ${PHONE_INSTALL_PLUGINDIR})
  add_dependencies(sdk settings_datetime)
endif()

# The simulator and the pictures are Qt 5 programs: a Qt 4 (phone) SDK has neither.
if(TARGET phonesim)
  set_target_properties(phonesim PROPERTIES INSTALL_RPATH "$ORIGIN/${PHONE_BIN_TO_LIB}")
  install(TARGETS phonesim EXPORT PhoneWidgetsTargets RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  add_dependencies(sdk phonesim)
endif()
if(TARGET phonetheme_rcc)
  install(FILES ${PHONE_THEME_RCC} DESTINATION ${PHONE_INSTALL_THEMEDIR})
  add_dependencies(sdk phonetheme_rcc)
endif()
install(FILES ${PROJECT_SOURCE_DIR}/host/data/timezone.tab.NOTICE DESTINATION ${PHONE_INSTALL_DOCDIR})

# The CMake package.
install(EXPORT PhoneWidgetsTargets NAMESPACE PhoneWidgets:: DESTINATION ${PHONE_INSTALL_CMAKEDIR})
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/PhoneWidgetsConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/PhoneWidgetsConfig.cmake
  INSTALL_DESTINATION ${PHONE_INSTALL_CMAKEDIR}
  PATH_VARS PHONE_INSTALL_PLUGINDIR PHONE_INSTALL_THEMEDIR)
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/PhoneWidgetsConfigVersion.cmake
  VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES
  ${CMAKE_CURRENT_BINARY_DIR}/PhoneWidgetsConfig.cmake
  ${CMAKE_CURRENT_BINARY_DIR}/PhoneWidgetsConfigVersion.cmake
  ${CMAKE_CURRENT_LIST_DIR}/PhoneWidgetsMacros.cmake
  DESTINATION ${PHONE_INSTALL_CMAKEDIR})

# pkg-config, for projects without CMake: one file per library layer.
file(RELATIVE_PATH PHONE_PC_TO_PREFIX /${CMAKE_INSTALL_LIBDIR}/pkgconfig /)
string(REGEX REPLACE "/$" "" PHONE_PC_TO_PREFIX "${PHONE_PC_TO_PREFIX}")
function(phone_pkgconfig name description requires lib headerdir)
  set(PC_NAME ${name})
  set(PC_DESCRIPTION ${description})
  set(PC_REQUIRES ${requires})
  set(PC_LIB ${lib})
  set(PC_HEADERDIR ${headerdir})
  configure_file(${CMAKE_CURRENT_LIST_DIR}/phone.pc.in ${CMAKE_CURRENT_BINARY_DIR}/${name}.pc @ONLY)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${name}.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
endfunction()
phone_pkgconfig(phonebase "Stand-in for the phone host's support library" "${PHONE_PC_QT_REQUIRES}" base phonebase)
phone_pkgconfig(phonewidgets "The phone's widget toolkit" "phonebase = ${PROJECT_VERSION}" phonewidgets phonewidgets)
