#include "SimData.h"

#include "IniFile.h"
#include "SharedFile.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QtDebug>

static void initResources()
{
    // The shipped files live in a static library: pull its resources in explicitly, once.
    static bool done = false;
    if (!done) {
        Q_INIT_RESOURCE(phonesim);
        done = true;
    }
}

QString SimData::defaultDir()
{
    const QString fromEnv = QString::fromLocal8Bit(qgetenv("PHONESIM_CONFIG_DIR"));
    if (!fromEnv.isEmpty())
        return fromEnv;
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath("phonesim");
}

QStringList SimData::fileNames()
{
    return QStringList() << "timezone.tab" << "phone_info.conf" << "settings.conf" << "system.conf";
}

QByteArray SimData::shipped(const QString& fileName)
{
    initResources();
    QFile file(":/phonesim/" + fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool SimData::prepare(const QString& dir, bool fresh, QStringList* written)
{
    if (dir.isEmpty() || !QDir().mkpath(dir)) {
        qWarning() << "SimData::prepare cannot create:" << dir;
        return false;
    }
    bool ok = true;
    for (const QString& name : fileNames()) {
        const QString path = QDir(dir).filePath(name);
        if (!fresh && QFile::exists(path))
            continue;
        const QByteArray content = shipped(name);
        QString error;
        // Under the lock the host's and the pages' saves take, written as they write.
        const bool saved = !content.isEmpty() && SharedFile::update(path, IniFile::MaxSize, [&content](QByteArray& file, QString*) -> bool {
            file = content;
            return true;
        }, &error);
        if (!saved) {
            qWarning() << "SimData::prepare cannot write:" << path;
            ok = false;
            continue;
        }
        if (written)
            written->append(name);
    }
    return ok;
}
