// The plug-in's entry points: the one version branch of the page.
//
// Qt 4.8 (the phone): Q_EXPORT_PLUGIN2 gives qt_plugin_instance() and the verification record
// (qt_plugin_query_verification_data() and the ".qtplugin" section) with the SDK's own
// version and build key, which are the ones the host's Qt checks.
//
// Qt 5: the page's Q_PLUGIN_METADATA makes moc emit qt_plugin_instance() (one function-local
// QPointer<QObject> that builds a parentless SettingsDateTime whenever it is null, so every
// call returns the page while it lives) and Qt 5's loader metadata. The verification record
// of the phone's Qt 4.8.4 is written out here: the same bytes are returned by
// qt_plugin_query_verification_data() and stored in the ".qtplugin" section, where the
// loader finds them without loading the library.
#include "SettingsDateTime.h"

#include <QtPlugin>

#if QT_VERSION < 0x050000

Q_EXPORT_PLUGIN2(settings_datetime, SettingsDateTime)

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
