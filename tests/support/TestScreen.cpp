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

bool TestScreen::connect(const QString&)
{
    setMode(384, 160, 32);
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
    setPixelFormat(QImage::Format_ARGB32_Premultiplied);
}

void TestScreen::registerDriver()
{
    qRegisterStaticPluginInstanceFunction(testScreenDriver);
}
#endif
