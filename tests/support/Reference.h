#ifndef REFERENCE_H
#define REFERENCE_H

#include <QImage>
#include <QString>
#include <QTest>

// Exact comparison of a render with its reference picture, tests/ref/<name>.png.
// With PHONE_UPDATE_REFERENCES=1 in the environment ("make references") the render becomes the
// reference instead. A mismatch writes <name>.actual.png and <name>.diff.png (differing
// pixels red over a faded copy) into "ref-failures" under the working directory, and says so.
bool phoneMatchesReference(const QImage& image, const QString& name, QString* message);
// Renders as on the phone and the same everywhere: the host's pictures, and the narrow face the
// simulator shows the screen in as the application font and in place of the lists' own font.
// False when either is missing where pictures are compared: not in a build without the host's
// pictures (Qt 4), nor in a cross build, whose emulated renders may blend through other code.
bool phoneReferenceSetup();

#define PHONE_VERIFY_REFERENCE(image, name)                                     \
    do {                                                                        \
        QString phoneReferenceMessage;                                          \
        QVERIFY2(phoneMatchesReference((image), (name), &phoneReferenceMessage), \
                 qPrintable(phoneReferenceMessage));                            \
    } while (0)

#endif
