// The page's plug-in entry points, written by the toolkit's macro: qt_plugin_instance() and
// the verification record the phone's Qt checks.
#include "PhonePluginExport.h"
#include "SettingsRingTone.h"

PHONE_EXPORT_PAGE(ringtone, SettingsRingTone)
