#ifndef CORE_H
#define CORE_H

#include <QObject>
#include <QString>
#include <QByteArray>
#include <QMap>

class Status;
class IME;
class SoundManager;
class CallManager;
class BaseAppInterface;

// Settings files the host names for Core::configFileName().
enum ConfigFileType {
    eConfigSystem = 0,   // "system.conf": Menu_Password/enable and other system switches
    eConfigNetwork = 1,  // "network.conf"
    eConfigSettings = 2  // "settings.conf": Settings/24HourTime and other user preferences
};

// Host facade of the phone application, reached through theCore.
//
// Stand-in: every configuration file lives in one directory, taken from the environment
// variable PHONE_CONFIG_DIR at construction and replaceable with setConfigDir(). With no
// directory every path is empty.
//
// Language numbers (language(), languageCode()):
//   0 Korean "kr", 1 English (source language, no file), 2 German "de_DE",
//   3 Spanish "es_ES", 4 Italian "it_IT", 5 Russian "ru_RU", 6 Turkish "tr_TR".
class Core : public QObject
{
    Q_OBJECT
public:
    enum Language { LangKorean = 0, LangEnglish = 1, LangGerman = 2, LangSpanish = 3,
                    LangItalian = 4, LangRussian = 5, LangTurkish = 6, LangCount = 7 };

    explicit Core(QObject* parent = 0);
    ~Core();

    // Configuration files.
    QString configDir() const;
    void setConfigDir(const QString& dir);
    QString sipConfigFileName(const QString& name);
    QString configFileName(ConfigFileType type);

    // Reads the stored zone from phone_info.conf and applies it to the process (TZ + tzset),
    // so every clock of the process follows. User mode uses NTP_Serv/User_TimeZone, otherwise
    // (or when that is empty) NTP_Serv/ZoneInfo. Only a regular file of at most 4 MiB is read,
    // and only a zone name (Region/City) is applied; anything else writes one diagnostic line
    // and keeps the process's zone.
    void setTimeZoneFromConfig();
    QString appliedTimeZone() const;

    // Applications and messages.
    void registerApp(const QString& name, BaseAppInterface* app);
    void unregisterApp(const QString& name, BaseAppInterface* app);
    BaseAppInterface* app(const QString& name) const;
    void sendAppMsg(const QString& app, const QString& command, const QByteArray& data);
    void broadcast(const QString& command, const QByteArray& data = QByteArray());

    // The one status bar shared by all pages; the host creates it and hands it over.
    Status* statusWidget();
    void setStatusWidget(Status* status);

    // Clock format, held by the host. Storing it (Settings/24HourTime in the settings file) is
    // left to whoever changes it: a rewrite through QSettings would reformat a shared file.
    bool use24HourTime();
    void setUse24HourTime(bool on);

    int designType() const;
    void setDesignType(int type);

    int language();
    void setLanguage(int language);
    static QString languageCode(int language);
    static QString languageName(int language);

    bool isVisibleMenu();
    void setVisibleMenu(bool visible);

    IME* ime();
    void setIme(IME* ime);            // not owned; 0 means "no input method engine"
    SoundManager* soundManager();
    CallManager* callManager();

    // Non-zero while the host's call screen owns the keypad; the list view reads it directly.
    int m_callScreenState;

signals:
    void signalBroadcast(QString command, QByteArray data);
    void appMsgSent(QString app, QString command, QByteArray data);
    void timeZoneApplied(QString zone);
    void languageChanged(int language);
    void use24HourTimeChanged(bool on);

private:
    QString m_configDir;
    QMap<QString, BaseAppInterface*> m_apps;
    Status* m_status;
    bool m_use24HourTime;
    int m_designType;
    int m_language;
    bool m_visibleMenu;
    IME* m_ime;
    IME* m_ownIme;
    SoundManager* m_soundManager;
    CallManager* m_callManager;
    QString m_appliedZone;
};

// The host facade; set by the first Core constructed, cleared when it goes.
extern Core* theCore;

#endif
