#ifndef PHONEPLUGINEXPORT_H
#define PHONEPLUGINEXPORT_H

#include <QtPlugin>

// PHONE_EXPORT_PAGE(<target>, <page class>) writes a page's plug-in entry points; put it in one
// source file of the page, after the page's header, without a semicolon.
//
// Qt 4.8 (the phone): Q_EXPORT_PLUGIN2 gives qt_plugin_instance() and the verification record
// (qt_plugin_query_verification_data() and the ".qtplugin" section) with the SDK's own Qt
// version and build key, the ones the host's Qt checks.
//
// Qt 5 (the simulator): the page's Q_PLUGIN_METADATA makes moc write qt_plugin_instance(), which
// returns the one page while it lives. The record of the phone's Qt 4.8.4 is written out here,
// byte for byte: returned by qt_plugin_query_verification_data() and stored in the ".qtplugin"
// section, where the host's loader reads it without loading the library.
#if QT_VERSION < 0x050000

#define PHONE_EXPORT_PAGE(target, PageClass) Q_EXPORT_PLUGIN2(target, PageClass)

#else

#define PHONE_EXPORT_PAGE(target, PageClass)                                                     \
    extern "C" {                                                                                 \
    __attribute__((section(".qtplugin"), used))                                                  \
    static const char qt_plugin_verification_data[] =                                            \
        "pattern=QT_PLUGIN_VERIFICATION_DATA\n"                                                  \
        "version=4.8.4\n"                                                                        \
        "debug=false\n"                                                                          \
        "buildkey=arm linux g++-4 no-pkg-config";                                                \
    Q_DECL_EXPORT const char* qt_plugin_query_verification_data()                                \
    {                                                                                            \
        return qt_plugin_verification_data;                                                      \
    }                                                                                            \
    }

#endif

#endif
