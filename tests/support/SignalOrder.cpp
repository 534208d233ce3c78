#include "SignalOrder.h"

#include <QSignalSpy>

namespace {

// A spy that also appends each emission to the shared list, as it comes.
class OrderedSpy : public QSignalSpy
{
public:
    OrderedSpy(QObject* sender, const char* signal, QStringList* events,
               const SignalOrder::Format& format)
        : QSignalSpy(sender, signal), m_events(events), m_format(format)
    {
    }

    int qt_metacall(QMetaObject::Call call, int id, void** args)
    {
        const int before = count();
        const int result = QSignalSpy::qt_metacall(call, id, args);
        if (count() > before)
            m_events->append(m_format(last()));
        return result;
    }

private:
    QStringList* m_events;
    SignalOrder::Format m_format;
};

}

SignalOrder::SignalOrder() {}

SignalOrder::~SignalOrder()
{
    qDeleteAll(m_spies);
}

void SignalOrder::watch(QObject* sender, const char* signal, const Format& format)
{
    m_spies.append(new OrderedSpy(sender, signal, &events, format));
}

int SignalOrder::intOf(const QVariant& value)
{
    // An enum of a registered type: Qt 5 converts it, Qt 4 answers 0.
    if (value.userType() >= int(QMetaType::User))
        return *static_cast<const int*>(value.constData());
    return value.toInt();
}

QList<int> SignalOrder::ints(const QSignalSpy& spy)
{
    QList<int> out;
    for (int i = 0; i < spy.count(); ++i)
        out << intOf(spy.at(i).at(0));
    return out;
}
