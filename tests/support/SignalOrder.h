#ifndef SIGNALORDER_H
#define SIGNALORDER_H

#include <QList>
#include <QStringList>
#include <QVariant>
#include <functional>

class QObject;
class QSignalSpy;

// Records signals of one or more senders in the order they come, one text per emission,
// through string-based connections (Qt 4 has no functor connections).
class SignalOrder
{
public:
    typedef std::function<QString(const QList<QVariant>&)> Format;

    SignalOrder();
    ~SignalOrder();

    // signal is a SIGNAL() text; format turns the arguments into the recorded text.
    void watch(QObject* sender, const char* signal, const Format& format);

    QStringList events;

    // An argument as an int: ints, bools as 0 and 1, enums of the toolkit's registered types.
    static int intOf(const QVariant& value);
    // The first argument of every emission the spy holds, as ints.
    static QList<int> ints(const QSignalSpy& spy);

private:
    Q_DISABLE_COPY(SignalOrder)
    QList<QSignalSpy*> m_spies;
};

#endif
