#ifndef CALLMANAGER_H
#define CALLMANAGER_H

#include <QObject>
#include <QString>

// Call state of the host: "IDLE" when no call is up.
class CallManager : public QObject
{
    Q_OBJECT
public:
    explicit CallManager(QObject* parent = 0);
    QString callState();
    void setCallState(const QString& state);

signals:
    void callStateChanged(QString state);

private:
    QString m_state;
};

#endif
