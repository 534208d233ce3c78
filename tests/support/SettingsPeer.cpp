#include "SettingsPeer.h"

#include "TestWait.h"

void SettingsPeer::start(const QStringList& args, const QStringList& environment)
{
    m_process.setEnvironment(QProcess::systemEnvironment() + environment);
    m_process.start(QString::fromLocal8Bit(PHONE_SETTINGS_PEER), args);
}

QString SettingsPeer::finish()
{
    m_process.closeWriteChannel();
    if (!m_process.waitForFinished(4 * kPhoneWaitLimitMs))
        return QString::fromLatin1("still running");
    return QString::fromLocal8Bit(m_process.readAllStandardOutput()).trimmed();
}

bool SettingsPeer::hold(const QString& file)
{
    start(QStringList() << QString::fromLatin1("hold") << file);
    // Without the event loop: a key driver's next step must not run before the lock is held.
    QByteArray said;
    while (!said.endsWith('\n') && m_process.waitForReadyRead(kPhoneWaitLimitMs))
        said += m_process.readAllStandardOutput();
    return said == "held\n";
}

void SettingsPeer::kill()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(kPhoneWaitLimitMs);
    }
}

qint64 SettingsPeer::pid() const
{
#if QT_VERSION >= 0x050000
    return m_process.processId();
#else
    return qint64(m_process.pid());
#endif
}

bool SettingsPeer::locksWithLockFile()
{
    return QT_VERSION >= 0x050000;
}
