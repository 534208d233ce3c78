#include "Core.h"

#include "BaseAppInterface.h"
#include "CallManager.h"
#include "IME.h"
#include "SoundManager.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QSettings>

#include <errno.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <time.h>

Core* theCore = 0;

namespace {

// QSettings would block on a FIFO and read a device without end: only a regular file of at
// most 4 MiB (or no file at all) is handed to it.
bool isReadableConfig(const QString& path)
{
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return errno == ENOENT;
    return S_ISREG(st.st_mode) && st.st_size <= 4 * 1024 * 1024;
}

// A text quoted as Qt 5's qDebug quotes it, control characters escaped, on either Qt: Qt 4
// would print them raw, and a zone name read from a file may hold any.
QByteArray quoted(const QString& text)
{
    QString out(QLatin1Char('"'));
    for (int i = 0; i < text.size(); ++i) {
        const ushort c = text.at(i).unicode();
        const char* named = c == '"' ? "\\\"" : c == '\\' ? "\\\\" : c == '\t' ? "\\t" : c == '\n' ? "\\n"
                          : c == '\r' ? "\\r" : c == '\b' ? "\\b" : c == '\f' ? "\\f" : 0;
        if (named)
            out += QLatin1String(named);
        else if (c < 0x20 || c == 0x7f || (c >= 0x80 && !text.at(i).isPrint()))
            out += QString::fromLatin1("\\u%1").arg(c, 4, 16, QLatin1Char('0'));
        else
            out += text.at(i);
    }
    return (out + QLatin1Char('"')).toLocal8Bit();
}

// What the C library may take as a file name below its zone directory and nothing else:
// components of letters, digits, '_', '-' and '+', each starting with a letter, joined by
// single '/'. So no "..", no absolute path, no ':' (which names any file), no control
// characters.
bool isZoneName(const QString& zone)
{
    if (zone.isEmpty() || zone.size() > 255)
        return false;
    bool componentStart = true;
    for (int i = 0; i < zone.size(); ++i) {
        const ushort c = zone.at(i).unicode();
        const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        if (c == '/') {
            if (componentStart)
                return false;
            componentStart = true;
        } else if (componentStart ? !letter
                                  : !(letter || (c >= '0' && c <= '9') || c == '_' || c == '-' || c == '+')) {
            return false;
        } else {
            componentStart = false;
        }
    }
    return !componentStart;
}

} // namespace

Core::Core(QObject* parent)
    : QObject(parent),
      m_callScreenState(0),
      m_configDir(QString::fromLocal8Bit(qgetenv("PHONE_CONFIG_DIR"))),
      m_status(0),
      m_use24HourTime(false),
      m_designType(0),
      m_language(LangEnglish),
      m_visibleMenu(false),
      m_ime(0),
      m_ownIme(new IME(this)),
      m_soundManager(new SoundManager(this)),
      m_callManager(new CallManager(this))
{
    m_ime = m_ownIme;
    if (!theCore)
        theCore = this;
}

Core::~Core()
{
    if (theCore == this)
        theCore = 0;
}

QString Core::configDir() const
{
    return m_configDir;
}

void Core::setConfigDir(const QString& dir)
{
    m_configDir = dir;
}

QString Core::sipConfigFileName(const QString& name)
{
    if (m_configDir.isEmpty() || name.isEmpty())
        return QString();
    return QDir(m_configDir).filePath(name);
}

QString Core::configFileName(ConfigFileType type)
{
    switch (type) {
    case eConfigSystem: return sipConfigFileName("system.conf");
    case eConfigNetwork: return sipConfigFileName("network.conf");
    case eConfigSettings: return sipConfigFileName("settings.conf");
    }
    return QString();
}

void Core::setTimeZoneFromConfig()
{
    const QString path = sipConfigFileName("phone_info.conf");
    QString zone;
    if (!path.isEmpty() && !isReadableConfig(path)) {
        qWarning() << "Core::setTimeZoneFromConfig unreadable:" << path;
    } else if (!path.isEmpty()) {
        QSettings settings(path, QSettings::IniFormat);
        if (settings.value("NTP_Serv/User_Set", 0).toInt() != 0)
            zone = settings.value("NTP_Serv/User_TimeZone").toString().trimmed();
        if (zone.isEmpty())
            zone = settings.value("NTP_Serv/ZoneInfo").toString().trimmed();
    }
    // Nothing stored: keep whatever zone the process runs in.
    if (zone.isEmpty())
        return;
    if (!isZoneName(zone)) {
        qWarning("Core::setTimeZoneFromConfig refused zone: %s", quoted(zone).constData());
        return;
    }
    qputenv("TZ", zone.toLocal8Bit());
    tzset();
    m_appliedZone = zone;
    emit timeZoneApplied(zone);
}

QString Core::appliedTimeZone() const
{
    return m_appliedZone;
}

void Core::registerApp(const QString& name, BaseAppInterface* app)
{
    if (!name.isEmpty() && app)
        m_apps.insert(name, app);
}

void Core::unregisterApp(const QString& name, BaseAppInterface* app)
{
    if (m_apps.value(name) == app)
        m_apps.remove(name);
}

BaseAppInterface* Core::app(const QString& name) const
{
    return m_apps.value(name);
}

void Core::sendAppMsg(const QString& app, const QString& command, const QByteArray& data)
{
    emit appMsgSent(app, command, data);
    if (BaseAppInterface* receiver = m_apps.value(app))
        receiver->receiveMsg(command, data);
}

void Core::broadcast(const QString& command, const QByteArray& data)
{
    emit signalBroadcast(command, data);
}

Status* Core::statusWidget()
{
    return m_status;
}

void Core::setStatusWidget(Status* status)
{
    m_status = status;
}

bool Core::use24HourTime()
{
    return m_use24HourTime;
}

void Core::setUse24HourTime(bool on)
{
    if (m_use24HourTime == on)
        return;
    m_use24HourTime = on;
    emit use24HourTimeChanged(on);
}

int Core::designType() const
{
    return m_designType;
}

void Core::setDesignType(int type)
{
    m_designType = type;
}

int Core::language()
{
    return m_language;
}

void Core::setLanguage(int language)
{
    if (language < 0 || language >= LangCount || language == m_language)
        return;
    m_language = language;
    emit languageChanged(language);
}

QString Core::languageCode(int language)
{
    static const char* const codes[LangCount] = { "kr", "", "de_DE", "es_ES", "it_IT", "ru_RU", "tr_TR" };
    if (language < 0 || language >= LangCount)
        return QString();
    return QString::fromLatin1(codes[language]);
}

QString Core::languageName(int language)
{
    static const char* const names[LangCount] = { "Korean", "English", "German", "Spanish",
                                                  "Italian", "Russian", "Turkish" };
    if (language < 0 || language >= LangCount)
        return QString();
    return QString::fromLatin1(names[language]);
}

bool Core::isVisibleMenu()
{
    return m_visibleMenu;
}

void Core::setVisibleMenu(bool visible)
{
    m_visibleMenu = visible;
}

IME* Core::ime()
{
    return m_ime;
}

void Core::setIme(IME* ime)
{
    m_ime = ime;
}

SoundManager* Core::soundManager()
{
    return m_soundManager;
}

CallManager* Core::callManager()
{
    return m_callManager;
}
