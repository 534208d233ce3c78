#include "PagePlugin.h"

#include "BaseAppInterface.h"

#include <QFileInfo>
#include <QObject>

PagePlugin::PagePlugin() : m_instance(0), m_verification(0) {}

bool PagePlugin::load(const QString& path)
{
    m_instance = 0;
    m_verification = 0;
    if (!QFileInfo(path).isFile()) {
        m_error = QString("no plug-in at %1").arg(path);
        return false;
    }
    m_library.setFileName(path);
    if (!m_library.load()) {
        m_error = m_library.errorString();
        return false;
    }
    m_instance = reinterpret_cast<InstanceFunction>(m_library.resolve("qt_plugin_instance"));
    m_verification = reinterpret_cast<VerificationFunction>(
        m_library.resolve("qt_plugin_query_verification_data"));
    if (!m_instance) {
        m_error = QString("%1 exports no qt_plugin_instance()").arg(path);
        return false;
    }
    m_error.clear();
    return true;
}

bool PagePlugin::isLoaded() const
{
    return m_instance != 0;
}

QString PagePlugin::fileName() const
{
    return m_library.fileName();
}

QString PagePlugin::errorString() const
{
    return m_error;
}

QString PagePlugin::verificationData() const
{
    return m_verification ? QString::fromLatin1(m_verification()) : QString();
}

QObject* PagePlugin::instance() const
{
    return m_instance ? m_instance() : 0;
}

BaseAppInterface* PagePlugin::app() const
{
    return qobject_cast<BaseAppInterface*>(instance());
}
