#ifndef TESTHOST_H
#define TESTHOST_H

#include "TestDir.h"

#include <QString>
#include <QVariant>

class Core;

// The host side of a test: one Core stand-in whose configuration files live in a fresh
// temporary directory, removed when the TestHost goes. Never touches /etc.
class TestHost
{
public:
    TestHost();
    ~TestHost();

    Core* core() const;
    QString dir() const;
    QString path(const QString& fileName) const;

    // One INI value written into a file of the config directory, as another program would.
    void setValue(const QString& fileName, const QString& key, const QVariant& value);
    // Files as bytes on disk (QSettings would answer from its per-process cache).
    void writeFile(const QString& fileName, const QByteArray& content);
    QByteArray readFile(const QString& fileName) const;
    void removeFile(const QString& fileName);

    // The host's pictures (the theme built with the project) as a registered resource
    // tree; without it every picture is a null pixmap, as on a host with no resources.
    static bool loadPictures();
    static void unloadPictures();

private:
    TestDir m_dir;
    Core* m_core;
    bool m_ownsCore;
};

#endif
