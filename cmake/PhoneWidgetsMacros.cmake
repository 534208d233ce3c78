# phonewidgets_add_translations(<target> <page name> <file.ts>...)
#
# Compiles the translations and builds them into <target> as
# ":/<page name>/<page name>_<code>.qm", where BaseAppInterface::reloadLanguage() installs
# them from. The files are stored uncompressed in resource format 1, which the phone's
# Qt 4.8 reads. The tree's own page uses it as the SDK's pages do; the tree has chosen its
# lrelease and rcc already (PhoneQt.cmake), a page outside uses those of the SDK's Qt.
function(phonewidgets_add_translations target page)
  if(PHONE_LRELEASE_EXECUTABLE AND PHONE_RCC_EXECUTABLE)
    set(lrelease ${PHONE_LRELEASE_EXECUTABLE})
    set(rcc ${PHONE_RCC_EXECUTABLE} ${PHONE_RCC_FORMAT_OPTION})
  elseif(PhoneWidgets_QT_VERSION_MAJOR EQUAL 4)
    set(lrelease ${QT_LRELEASE_EXECUTABLE})
    set(rcc ${QT_RCC_EXECUTABLE})   # Qt 4's rcc writes format 1 only
  else()
    find_package(Qt5LinguistTools REQUIRED)
    set(lrelease Qt5::lrelease)
    set(rcc Qt5::rcc --format-version 1)
  endif()

  set(qm_files)
  foreach(ts ${ARGN})
    get_filename_component(ts ${ts} ABSOLUTE)
    get_filename_component(name ${ts} NAME_WE)
    set(qm ${CMAKE_CURRENT_BINARY_DIR}/${name}.qm)
    add_custom_command(OUTPUT ${qm}
      COMMAND ${lrelease} -silent ${ts} -qm ${qm}
      DEPENDS ${ts} VERBATIM)
    list(APPEND qm_files ${qm})
  endforeach()

  set(qrc ${CMAKE_CURRENT_BINARY_DIR}/${target}_translations.qrc)
  set(body "<RCC>\n  <qresource prefix=\"/${page}\">\n")
  foreach(qm ${qm_files})
    get_filename_component(name ${qm} NAME)
    string(APPEND body "    <file>${name}</file>\n")
  endforeach()
  string(APPEND body "  </qresource>\n</RCC>\n")
  # Rewritten only when it changes, so that configuring again rebuilds nothing.
  set(old "")
  if(EXISTS ${qrc})
    file(READ ${qrc} old)
  endif()
  if(NOT old STREQUAL body)
    file(WRITE ${qrc} "${body}")
  endif()
  set_source_files_properties(${qrc} PROPERTIES SKIP_AUTORCC ON)

  set(cpp ${CMAKE_CURRENT_BINARY_DIR}/qrc_${target}_translations.cpp)
  add_custom_command(OUTPUT ${cpp}
    COMMAND ${rcc} -name ${target}_translations -no-compress ${qrc} -o ${cpp}
    DEPENDS ${qrc} ${qm_files} VERBATIM)
  target_sources(${target} PRIVATE ${cpp} ${qm_files})
endfunction()
