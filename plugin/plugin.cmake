# The page plug-in: libsettings_datetime.so in <build>/plugins, loaded by the host at run time.
file(GLOB PHONE_TS_FILES ${CMAKE_CURRENT_SOURCE_DIR}/translations/settings_datetime_*.ts)
phone_add_translations(PHONE_QM_FILES ${PHONE_TS_FILES})

# The compiled translations go into the library under ":/settings_datetime/", stored
# uncompressed in resource format 1.
set(PHONE_TR_QRC ${CMAKE_CURRENT_BINARY_DIR}/settings_datetime_translations.qrc)
set(PHONE_TR_QRC_BODY "<RCC>\n  <qresource prefix=\"/settings_datetime\">\n")
foreach(qm ${PHONE_QM_FILES})
  get_filename_component(qm_name ${qm} NAME)
  string(APPEND PHONE_TR_QRC_BODY "    <file>${qm_name}</file>\n")
endforeach()
string(APPEND PHONE_TR_QRC_BODY "  </qresource>\n</RCC>\n")
file(WRITE ${PHONE_TR_QRC} "${PHONE_TR_QRC_BODY}")
phone_add_resources(PHONE_TR_SOURCES ${PHONE_TR_QRC} ${PHONE_QM_FILES})

add_library(settings_datetime MODULE
  SettingsDateTime.cpp SettingsDateTime.h
  PluginExport.cpp
  ${PHONE_TR_SOURCES} ${PHONE_QM_FILES})
target_link_libraries(settings_datetime PRIVATE phonewidgets phonetzdata base Qt::Widgets)
set_target_properties(settings_datetime PROPERTIES LIBRARY_OUTPUT_DIRECTORY ${PHONE_PLUGIN_DIR})
phone_cxx11(settings_datetime)
