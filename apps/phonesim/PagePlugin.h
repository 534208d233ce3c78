#ifndef PAGEPLUGIN_H
#define PAGEPLUGIN_H

#include <QLibrary>
#include <QString>

class BaseAppInterface;
class QObject;

// One page plug-in, loaded the way the phone's host loads it: the library is opened and its
// exported qt_plugin_instance() hands out the page object, which answers the interface id.
// The library stays loaded for the life of the process, as pages may still be running.
class PagePlugin
{
public:
    PagePlugin();

    bool load(const QString& path);
    bool isLoaded() const;
    QString fileName() const;
    QString errorString() const;

    // The library's verification record (empty when it exports none).
    QString verificationData() const;
    // The page object: the same one on every call while it lives (the plug-in's rule).
    QObject* instance() const;
    // The page's host interface, through the interface id; null if the object lacks it.
    BaseAppInterface* app() const;

private:
    typedef QObject* (*InstanceFunction)();
    typedef const char* (*VerificationFunction)();

    QLibrary m_library;
    InstanceFunction m_instance;
    VerificationFunction m_verification;
    QString m_error;
};

#endif
