# The page plug-in: libsettings_datetime.so in <build>/plugins, loaded by the host at run time.
include(PhoneWidgetsMacros)

add_library(settings_datetime MODULE
  SettingsDateTime.cpp SettingsDateTime.h
  PluginExport.cpp)
target_link_libraries(settings_datetime PRIVATE phonewidgets phonetzdata base Qt::Widgets)
set_target_properties(settings_datetime PROPERTIES LIBRARY_OUTPUT_DIRECTORY ${PHONE_PLUGIN_DIR})
phone_cxx11(settings_datetime)
# The translations go into the library under ":/settings_datetime/", as the SDK's pages do.
file(GLOB PHONE_TS_FILES ${CMAKE_CURRENT_SOURCE_DIR}/translations/settings_datetime_*.ts)
phonewidgets_add_translations(settings_datetime settings_datetime ${PHONE_TS_FILES})
