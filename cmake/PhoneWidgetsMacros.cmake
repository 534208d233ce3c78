# phonewidgets_add_translations(<target> <page name> <file.ts>...)
#
# Compiles the translations and builds them into <target> as
# ":/<page name>/<page name>_<code>.qm", where BaseAppInterface::reloadLanguage() installs
# them from. The files are stored uncompressed in resource format 1, which the phone's
# Qt 4.8 reads.
function(phonewidgets_add_translations target page)
  if(PhoneWidgets_QT_VERSION_MAJOR EQUAL 4)
    qt4_add_translation(qm_files ${ARGN})
  else()
    find_package(Qt5LinguistTools REQUIRED)
    qt5_add_translation(qm_files ${ARGN})
  endif()

  set(qrc ${CMAKE_CURRENT_BINARY_DIR}/${target}_translations.qrc)
  set(body "<RCC>\n  <qresource prefix=\"/${page}\">\n")
  foreach(qm ${qm_files})
    get_filename_component(name ${qm} NAME)
    string(APPEND body "    <file>${name}</file>\n")
  endforeach()
  string(APPEND body "  </qresource>\n</RCC>\n")
  # Written at configure time so that rcc learns it depends on the .qm files; rewritten
  # only when it changes.
  set(old "")
  if(EXISTS ${qrc})
    file(READ ${qrc} old)
  endif()
  if(NOT old STREQUAL body)
    file(WRITE ${qrc} "${body}")
  endif()
  set_source_files_properties(${qrc} PROPERTIES SKIP_AUTORCC ON)

  if(PhoneWidgets_QT_VERSION_MAJOR EQUAL 4)
    qt4_add_resources(sources ${qrc} OPTIONS -no-compress)
  else()
    qt5_add_resources(sources ${qrc} OPTIONS --no-compress --format-version 1)
  endif()
  target_sources(${target} PRIVATE ${sources} ${qm_files})
endfunction()
