#include "Reference.h"

#include "TestHost.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>

namespace {

QString referencePath(const QString& name)
{
    return QString::fromUtf8(PHONE_SOURCE_DIR) + "/tests/ref/" + name + ".png";
}

QImage diffImage(const QImage& actual, const QImage& expected, int* differing)
{
    QImage diff(actual.size(), QImage::Format_ARGB32);
    *differing = 0;
    for (int y = 0; y < actual.height(); ++y) {
        for (int x = 0; x < actual.width(); ++x) {
            const QRgb a = actual.pixel(x, y);
            const bool same = expected.rect().contains(x, y) && expected.pixel(x, y) == a;
            if (!same)
                ++*differing;
            const int grey = 192 + qGray(a) / 4;
            diff.setPixel(x, y, same ? qRgb(grey, grey, grey) : qRgb(255, 0, 0));
        }
    }
    return diff;
}

} // namespace

bool phoneMatchesReference(const QImage& image, const QString& name, QString* message)
{
#ifndef PHONE_COMPARE_REFERENCES
    qDebug("Reference: %s not compared in this build", qPrintable(name));
    return true;
#endif
    const QImage actual = image.convertToFormat(QImage::Format_ARGB32);
    const QString path = referencePath(name);
    if (qgetenv("PHONE_UPDATE_REFERENCES") == "1") {
        QDir().mkpath(QFileInfo(path).path());
        if (!actual.save(path, "PNG")) {
            *message = "cannot write " + path;
            return false;
        }
        return true;
    }
    const QImage expected = QImage(path).convertToFormat(QImage::Format_ARGB32);
    int differing = 0;
    const QImage diff = diffImage(actual, expected, &differing);
    if (!expected.isNull() && expected.size() == actual.size() && differing == 0)
        return true;

    const QDir out(QDir::current().absoluteFilePath("ref-failures"));
    QDir().mkpath(out.path());
    actual.save(out.filePath(name + ".actual.png"), "PNG");
    diff.save(out.filePath(name + ".diff.png"), "PNG");
    *message = expected.isNull()
        ? QString("no reference %1 (make references writes it)").arg(path)
        : QString("%1: %2 pixels differ (size %3x%4 against %5x%6); see %7")
              .arg(name).arg(differing).arg(actual.width()).arg(actual.height())
              .arg(expected.width()).arg(expected.height()).arg(out.filePath(name + ".diff.png"));
    return false;
}

bool phoneReferenceSetup()
{
    const QString family = QString::fromLatin1("Liberation Sans Narrow");
    const bool narrow = QFontDatabase().families().contains(family);
    QApplication::setFont(QFont(family));   // without the family Qt falls back as it would anyway
    QFont::insertSubstitution(QString::fromLatin1("1R_02_OV_ED"), family);
#if defined(PHONE_COMPARE_REFERENCES)
    return narrow && TestHost::loadPictures();
#elif defined(PHONE_THEME_RCC)
    return TestHost::loadPictures();
#else
    return true;
#endif
}
