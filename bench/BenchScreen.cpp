#include "BenchScreen.h"

#ifdef Q_WS_QWS
#include <QScreenDriverPlugin>
#include <QStringList>
#include <QtPlugin>

namespace {

class BenchScreenDriver : public QScreenDriverPlugin
{
public:
    QStringList keys() const { return QStringList(QLatin1String("PhoneBench16")); }
    QScreen* create(const QString&, int displayId) { return new BenchScreen(displayId); }
};

QObject* benchScreenDriver()
{
    static BenchScreenDriver* driver = new BenchScreenDriver;
    return driver;
}

} // namespace

bool BenchScreen::connect(const QString& display)
{
    TestScreen::connect(display);
    setMode(384, 160, 16);
    return true;
}

void BenchScreen::setMode(int width, int height, int depth)
{
    TestScreen::setMode(width, height, depth);
    if (depth == 16)
        setPixelFormat(QImage::Format_RGB16);
}

void BenchScreen::registerDriver()
{
    qRegisterStaticPluginInstanceFunction(benchScreenDriver);
}
#endif
