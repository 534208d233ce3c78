#include "TestDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <stdlib.h>

static void removeTree(const QString& path)
{
    const QFileInfoList entries = QDir(path).entryInfoList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (int i = 0; i < entries.size(); ++i) {
        if (entries.at(i).isDir() && !entries.at(i).isSymLink())
            removeTree(entries.at(i).filePath());
        else
            QFile::remove(entries.at(i).filePath());
    }
    QDir().rmdir(path);
}

TestDir::TestDir()
{
    QByteArray pattern = QFile::encodeName(QDir::tempPath() + "/phonetest-XXXXXX");
    if (mkdtemp(pattern.data()))
        m_path = QFile::decodeName(pattern);
}

TestDir::~TestDir()
{
    if (!m_path.isEmpty())
        removeTree(m_path);
}

QString TestDir::path() const
{
    return m_path;
}

QString TestDir::filePath(const QString& fileName) const
{
    return QDir(m_path).filePath(fileName);
}
