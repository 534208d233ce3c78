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
    if (expected == actual)
        return true;
    const QDir out(QDir::current().absoluteFilePath("ref-failures"));
    QDir().mkpath(out.path());
    actual.save(out.filePath(name + ".actual.png"), "PNG");
    *message = expected.isNull() ? QString("no reference %1 (make references writes it)").arg(path)
                                 : QString("%1 differs from %2; see %3").arg(name, path, out.filePath(name + ".actual.png"));
    return false;
}

bool phoneReferenceSetup()
{
    const QString family = QString::fromLatin1("Liberation Sans Narrow");
    const bool narrow = QFontDatabase().families().contains(family);
    QApplication::setFont(QFont(family));   // without the family Qt falls back as it would anyway
    QFont::insertSubstitution(QString::fromLatin1("1R_02_OV_ED"), family);
    Q_UNUSED(narrow);   // the pictures are compared in Qt 5 builds only
#if defined(PHONE_COMPARE_REFERENCES)
    return narrow && TestHost::loadPictures();
#elif defined(PHONE_THEME_RCC)
    return TestHost::loadPictures();
#else
    return true;
#endif
}
