#include "CallManager.h"

CallManager::CallManager(QObject* parent) : QObject(parent), m_state("IDLE") {}

QString CallManager::callState()
{
    return m_state;
}

void CallManager::setCallState(const QString& state)
{
    if (m_state == state)
        return;
    m_state = state;
    emit callStateChanged(state);
}
