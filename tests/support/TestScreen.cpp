#include "TestScreen.h"

#ifdef Q_WS_QWS
#include <QScreenDriverPlugin>
#include <QStringList>
#include <QtPlugin>

namespace {

class TestScreenDriver : public QScreenDriverPlugin
{
public:
    QStringList keys() const { return QStringList(QLatin1String("PhoneTest")); }
    QScreen* create(const QString&, int displayId) { return new TestScreen(displayId); }
};

QObject* testScreenDriver()
{
    static TestScreenDriver* driver = new TestScreenDriver;
    return driver;
}

} // namespace

TestScreen::TestScreen(int displayId) : QScreen(displayId) {}

bool TestScreen::connect(const QString& displaySpec)
{
    int depth = 32;
    const QStringList args = displaySpec.split(QLatin1Char(':'));
    for (int i = 0; i < args.size(); ++i)
        if (args.at(i).startsWith(QLatin1String("depth=")))
            depth = args.at(i).mid(6).toInt();
    setMode(384, 160, depth == 16 ? 16 : 32);
    // 72 dpi: the width and height in millimetres that Qt derives the font resolution from.
    physWidth = qRound(w * 25.4 / 72);
    physHeight = qRound(h * 25.4 / 72);
    return true;
}

void TestScreen::setMode(int width, int height, int depth)
{
    dw = w = width;
    dh = h = height;
    d = depth;
    lstep = w * d / 8;
    size = mapsize = lstep * h;
    m_memory.fill('\0', size);
    data = reinterpret_cast<uchar*>(m_memory.data());
    setPixelFormat(d == 16 ? QImage::Format_RGB16 : QImage::Format_ARGB32_Premultiplied);
}

void TestScreen::disconnect()
{
    data = 0;
}

bool TestScreen::initDevice()
{
    return true;
}

void TestScreen::shutdownDevice() {}

void TestScreen::registerDriver()
{
    qRegisterStaticPluginInstanceFunction(testScreenDriver);
}
#endif
