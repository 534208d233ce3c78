#include "PluginRecord.h"

#include <QPluginLoader>
#include <QtPlugin>

static const char kIid[] = "com.rarezodero.Plugin.BaseAppInterface/1.0";

#if QT_VERSION >= 0x050000

QByteArray PluginRecord::expected()
{
    return "pattern=QT_PLUGIN_VERIFICATION_DATA\nversion=4.8.4\n"
           "debug=false\nbuildkey=arm linux g++-4 no-pkg-config";
}

QString PluginRecord::iid(QPluginLoader& loader)
{
    return loader.metaData().value("IID").toString();
}

#else

QByteArray PluginRecord::expected()
{
    return "pattern=QT_PLUGIN_VERIFICATION_DATA\nversion=" QT_VERSION_STR "\n"
           "debug=" QPLUGIN_DEBUG_STR "\nbuildkey=" QT_BUILD_KEY;
}

QString PluginRecord::iid(QPluginLoader& loader)
{
    QObject* page = loader.instance();
    return page && page->qt_metacast(kIid) ? QString(kIid) : QString();
}

#endif
