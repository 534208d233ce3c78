// The page's plug-in entry points.
//
// Qt 4.8 (the phone): Q_EXPORT_PLUGIN2 gives qt_plugin_instance() and the verification record
// with the SDK's own Qt version and build key, the ones the host's Qt checks.
//
// Qt 5 (the simulator): the page's Q_PLUGIN_METADATA makes moc write qt_plugin_instance(),
// which returns the one page while it lives. The record of the phone's Qt 4.8.4 is written
// out here: returned by qt_plugin_query_verification_data() and stored in the ".qtplugin"
// section, where the host's loader reads it without loading the library.
#include "SettingsRingTone.h"

#include <QtPlugin>

#if QT_VERSION < 0x050000

Q_EXPORT_PLUGIN2(ringtone, SettingsRingTone)

#else

extern "C" {

__attribute__((section(".qtplugin"), used))
static const char qt_plugin_verification_data[] =
    "pattern=QT_PLUGIN_VERIFICATION_DATA\n"
    "version=4.8.4\n"
    "debug=false\n"
    "buildkey=arm linux g++-4 no-pkg-config";

Q_DECL_EXPORT const char* qt_plugin_query_verification_data()
{
    return qt_plugin_verification_data;
}

}

#endif
