#ifndef PLUGINRECORD_H
#define PLUGINRECORD_H

#include <QByteArray>
#include <QString>

class QPluginLoader;

// What the page's plug-in export gives with the Qt in use, the one version branch of the
// plug-in tests: Qt 5 builds write out the phone's Qt 4.8.4 record; Qt 4 builds get the SDK's
// own from Q_EXPORT_PLUGIN2 (the one the phone's Qt checks).
class PluginRecord
{
public:
    static QByteArray expected();
    // The interface id as the loader sees it: Qt 5's metadata; Qt 4 has none, so the loaded
    // page is asked for the interface instead.
    static QString iid(QPluginLoader& loader);
};

#endif
