#ifndef SETTINGSPEER_H
#define SETTINGSPEER_H

#include <QProcess>
#include <QStringList>

// Another program on the phone using a shared settings file at the same time as the suite:
// saving keys through QSettings or IniFile, reading through QSettings, or holding the writers'
// lock as a hung writer would (tests/support/peer/settings_peer.cpp).
class SettingsPeer
{
public:
    SettingsPeer() {}
    ~SettingsPeer() { kill(); }

    // environment: "NAME=value" entries added to this process's own.
    void start(const QStringList& args, const QStringList& environment = QStringList());
    // Waits for the end; what it printed, trimmed ("failed 0", "reads 12 partial 0").
    QString finish();
    // Holds the writers' lock of file until finish() or a kill; returns once it holds it,
    // without running the event loop meanwhile.
    bool hold(const QString& file);
    void kill();
    qint64 pid() const;

    // Whether QSettings' writers lock with a lock file beside the file (Qt 5) rather than on the
    // file itself (Qt 4.8).
    static bool locksWithLockFile();

private:
    Q_DISABLE_COPY(SettingsPeer)
    QProcess m_process;
};

#endif
