#ifndef BASEAPPINTERFACE_H
#define BASEAPPINTERFACE_H

#include <QtPlugin>
#include <QString>
#include <QByteArray>

class QObject;
class QWidget;
class QTranslator;

// Base of every application the host runs (pages loaded as plug-ins, and the host's own
// applications such as the idle screen). Constructing one registers it with the host under
// its name, so Core::sendAppMsg() can reach it.
class BaseAppInterface
{
public:
    BaseAppInterface(const QString& name, QObject* parent);

    virtual bool start(QWidget* parent, void* data) = 0;
    virtual bool end() = 0;
    virtual void receiveMsg(const QString& command, const QByteArray& data) = 0;

    virtual ~BaseAppInterface();

    // Installs the translation of the host's current language, ":/<name>/<name>_<code>.qm",
    // replacing the one this application installed before. English has no file.
    void reloadLanguage();

    QString appName() const;
    QObject* appParent() const;

private:
    BaseAppInterface(const BaseAppInterface&);
    BaseAppInterface& operator=(const BaseAppInterface&);

    QString m_appName;
    QObject* m_appParent;
    QTranslator* m_translator;
};

Q_DECLARE_INTERFACE(BaseAppInterface, "com.rarezodero.Plugin.BaseAppInterface/1.0")

#endif
