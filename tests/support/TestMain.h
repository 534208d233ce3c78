#ifndef TESTMAIN_H
#define TESTMAIN_H

#include <QApplication>
#include <QCoreApplication>
#include <QScopedPointer>
#include <QTest>

// The suites' main(), on both Qt versions.
#ifdef Q_WS_QWS
// Under Qt for Embedded Linux a suite is its own window server, as the phone's host is, on
// an in-memory screen (TestScreen): no frame buffer, no keyboard or mouse device, no network.
// phoneTestServerEnd() removes what the server kept in the system's temporary directory.
QApplication* phoneTestServer(int argc, char** argv);
void phoneTestServerEnd();
#define PHONE_TEST_MAIN(Suite)                                               \
    int main(int argc, char** argv)                                          \
    {                                                                        \
        int result;                                                          \
        {                                                                    \
            QScopedPointer<QApplication> app(phoneTestServer(argc, argv));   \
            Suite suite;                                                     \
            result = QTest::qExec(&suite, argc, argv);                       \
        }                                                                    \
        phoneTestServerEnd();                                                \
        return result;                                                       \
    }
#else
#define PHONE_TEST_MAIN(Suite) QTEST_MAIN(Suite)
#endif

// Skips the rest of a test function (Qt 4 asks how much to skip).
#if QT_VERSION >= 0x050000
#define PHONE_SKIP(message) QSKIP(message)
#else
#define PHONE_SKIP(message) QSKIP(message, SkipAll)
#endif

#if QT_VERSION >= 0x050000
#define PHONE_TEST_GUILESS_MAIN(Suite) QTEST_GUILESS_MAIN(Suite)
#else
#define PHONE_TEST_GUILESS_MAIN(Suite)                                   \
    int main(int argc, char** argv)                                      \
    {                                                                    \
        QCoreApplication app(argc, argv);                                \
        Suite suite;                                                     \
        return QTest::qExec(&suite, argc, argv);                         \
    }
#endif

#endif
