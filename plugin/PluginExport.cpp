// Plug-in verification record read by the host's Qt 4.8 plug-in loader: the same bytes are
// returned by qt_plugin_query_verification_data() and stored in the ".qtplugin" section,
// where the loader finds them without loading the library. The host rejects the plug-in
// when version or build key differ from its own.
//
// qt_plugin_instance() comes from the page's Q_PLUGIN_METADATA: moc emits it as one
// function-local QPointer<QObject> that builds a parentless SettingsDateTime whenever it is
// null (first call, or after the host deleted the page), so every call returns the page
// while it lives. The same macro gives Qt 5's QPluginLoader its metadata.
#include <QtGlobal>

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
