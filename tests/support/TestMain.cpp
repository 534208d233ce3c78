#include "TestMain.h"

#ifdef Q_WS_QWS
#include "TestScreen.h"

#include <QByteArray>
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
