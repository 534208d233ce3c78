// Paints every host picture into <out>/ui/... and <out>/call/..., and writes <out>/phonetheme.qrc.
#include "ThemePainter.h"

#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        QTextStream(stderr) << "usage: phonetheme <output directory>\n";
        return 2;
    }
    return ThemePainter().writeAll(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
