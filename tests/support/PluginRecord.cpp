#include "PluginRecord.h"

#include <QtPlugin>

QByteArray PluginRecord::expected()
{
#if QT_VERSION >= 0x050000
    return "pattern=QT_PLUGIN_VERIFICATION_DATA\nversion=4.8.4\ndebug=false\nbuildkey=arm linux g++-4 no-pkg-config";
#else
    return "pattern=QT_PLUGIN_VERIFICATION_DATA\nversion=" QT_VERSION_STR "\ndebug=" QPLUGIN_DEBUG_STR "\nbuildkey=" QT_BUILD_KEY;
#endif
}
