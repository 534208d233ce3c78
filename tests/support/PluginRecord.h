#ifndef PLUGINRECORD_H
#define PLUGINRECORD_H

#include <QByteArray>

// The page's plug-in verification record with the Qt in use, the one version branch of the
// plug-in tests: Qt 5 builds write out the phone's Qt 4.8.4 record; Qt 4 builds get the SDK's
// own from Q_EXPORT_PLUGIN2 (the one the phone's Qt checks).
class PluginRecord
{
public:
    static QByteArray expected();
};

#endif
