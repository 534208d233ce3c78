#ifndef TESTDIR_H
#define TESTDIR_H

#include <QString>

// A fresh directory under the system's temporary directory, removed with everything in it
// when the object goes (what Qt 5's QTemporaryDir does; Qt 4.8 has none).
class TestDir
{
public:
    TestDir();
    ~TestDir();

    QString path() const;
    QString filePath(const QString& fileName) const;

private:
    Q_DISABLE_COPY(TestDir)
    QString m_path;
};

#endif
