#include "TestMain.h"

#ifdef Q_WS_QWS
#include "TestScreen.h"

#include <QDir>

#include <unistd.h>

namespace {

void removeTree(const QString& path)
{
    const QFileInfoList entries = QDir(path).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (int i = 0; i < entries.size(); ++i) {
        if (entries.at(i).isDir() && !entries.at(i).isSymLink())
            removeTree(entries.at(i).filePath());
        else
            QFile::remove(entries.at(i).filePath());
    }
    QDir::root().rmdir(path);
}

} // namespace

QApplication* phoneTestServer(int argc, char** argv)
{
    TestScreen::registerDriver();
    // A display of this process's own, so that suites run side by side; keys come from the
    // suite itself, not from a terminal.
    qputenv("QWS_DISPLAY", "PhoneTest:" + QByteArray::number(int(getpid())));
    qputenv("QWS_KEYBOARD", "None");
    qputenv("QWS_MOUSE_PROTO", "None");
#ifdef PHONE_QWS_FONTS
    qputenv("QT_QWS_FONTDIR", PHONE_QWS_FONTS);
#endif
    // QApplication keeps a reference to the count for its life.
    static int count = argc;
    return new QApplication(count, argv, QApplication::GuiServer);
}

void phoneTestServerEnd()
{
    // Qt 4 keeps a font cache and the server's socket in /tmp/qtembedded-<display>.
    removeTree(QString::fromLatin1("/tmp/qtembedded-%1").arg(int(getpid())));
}
#endif
