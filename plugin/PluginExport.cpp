// The plug-in's entry points: qt_plugin_instance() returns the one page while it lives (a
// parentless SettingsDateTime, built again whenever it is gone), and the verification record
// is the phone's (see PhonePluginExport.h).
#include "PhonePluginExport.h"
#include "SettingsDateTime.h"

PHONE_EXPORT_PAGE(settings_datetime, SettingsDateTime)
