#include "TestMain.h"

#ifdef Q_WS_QWS
#include "TestScreen.h"

#include <QByteArray>
#include <QDir>
#include <QList>
#include <QVector>

#include <unistd.h>

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
    // QApplication keeps argc and argv for its life, and takes out what it reads.
    static int count = argc;
    static QList<QByteArray> copies;
    static QVector<char*> args;
    for (int i = 0; i < argc; ++i)
        copies << QByteArray(argv[i]);
    for (int i = 0; i < copies.size(); ++i)
        args << copies[i].data();
    args << 0;
    return new QApplication(count, args.data(), QApplication::GuiServer);
}
#endif

#ifdef Q_WS_QWS
void phoneTestServerEnd()
{
    // Qt 4 keeps a font cache and the server's socket in /tmp/qtembedded-<display>.
    QDir dir(QString::fromLatin1("/tmp/qtembedded-%1").arg(int(getpid())));
    QDir fonts(dir.filePath(QString::fromLatin1("fonts")));
    const QStringList cached = fonts.entryList(QDir::Files | QDir::Hidden);
    for (int i = 0; i < cached.size(); ++i)
        fonts.remove(cached.at(i));
    dir.rmdir(QString::fromLatin1("fonts"));
    const QStringList left = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (int i = 0; i < left.size(); ++i)
        dir.remove(left.at(i));
    QDir::root().rmdir(dir.path());
}
#endif
