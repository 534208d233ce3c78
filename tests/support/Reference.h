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

#define PHONE_VERIFY_REFERENCE(image, name)                                     \
    do {                                                                        \
        QString phoneReferenceMessage;                                          \
        QVERIFY2(phoneMatchesReference((image), (name), &phoneReferenceMessage), \
                 qPrintable(phoneReferenceMessage));                            \
    } while (0)

#endif
