#include "TestHost.h"

#include "Core.h"
#include "IniFile.h"

#include <QDir>
#include <QFile>
#include <QPixmapCache>
#include <QResource>

#ifndef PHONE_THEME_RCC
#define PHONE_THEME_RCC ""
#endif

static bool s_picturesLoaded = false;

TestHost::TestHost() : m_core(theCore), m_ownsCore(false)
{
    if (!m_core) {
        m_core = new Core;
        m_ownsCore = true;
    }
    m_core->setConfigDir(m_dir.path());
}

TestHost::~TestHost()
{
    if (m_ownsCore)
        delete m_core;
    else if (m_core)
        m_core->setConfigDir(QString());
}

Core* TestHost::core() const
{
    return m_core;
}

QString TestHost::dir() const
{
    return m_dir.path();
}

QString TestHost::path(const QString& fileName) const
{
    return QDir(m_dir.path()).filePath(fileName);
}

void TestHost::setValue(const QString& fileName, const QString& key, const QVariant& value)
{
    IniFile(path(fileName)).setValue(key, value);
}

void TestHost::writeFile(const QString& fileName, const QByteArray& content)
{
    QFile file(path(fileName));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(content);
}

QByteArray TestHost::readFile(const QString& fileName) const
{
    QFile file(path(fileName));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TestHost::removeFile(const QString& fileName)
{
    QFile::remove(path(fileName));
}

bool TestHost::loadPictures()
{
    if (!s_picturesLoaded)
        s_picturesLoaded = QResource::registerResource(QString::fromUtf8(PHONE_THEME_RCC));
    QPixmapCache::clear();
    return s_picturesLoaded;
}

void TestHost::unloadPictures()
{
    if (s_picturesLoaded)
        QResource::unregisterResource(QString::fromUtf8(PHONE_THEME_RCC));
    s_picturesLoaded = false;
    QPixmapCache::clear();
}
