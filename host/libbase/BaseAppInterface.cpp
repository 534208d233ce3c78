#include "BaseAppInterface.h"

#include "Core.h"

#include <QCoreApplication>
#include <QFile>
#include <QTranslator>

BaseAppInterface::BaseAppInterface(const QString& name, QObject* parent)
    : m_appName(name), m_appParent(parent), m_translator(0)
{
    if (theCore)
        theCore->registerApp(name, this);
}

BaseAppInterface::~BaseAppInterface()
{
    if (theCore)
        theCore->unregisterApp(m_appName, this);
    if (m_translator) {
        QCoreApplication::removeTranslator(m_translator);
        delete m_translator;
    }
}

void BaseAppInterface::reloadLanguage()
{
    if (m_translator) {
        QCoreApplication::removeTranslator(m_translator);
        delete m_translator;
        m_translator = 0;
    }
    if (!theCore)
        return;
    const QString code = Core::languageCode(theCore->language());
    if (code.isEmpty())
        return;
    const QString file = QString(":/%1/%1_%2.qm").arg(m_appName, code);
    if (!QFile::exists(file))
        return;
    QTranslator* translator = new QTranslator;
    if (!translator->load(file)) {
        delete translator;
        return;
    }
    QCoreApplication::installTranslator(translator);
    m_translator = translator;
}

QString BaseAppInterface::appName() const
{
    return m_appName;
}

QObject* BaseAppInterface::appParent() const
{
    return m_appParent;
}
