#include "SoundManager.h"

SoundManager::SoundManager(QObject* parent) : QObject(parent), m_keytone(true) {}

void SoundManager::setEnableKeytone(bool enable)
{
    m_keytone = enable;
    emit keytoneEnabled(enable);
}

bool SoundManager::isEnabledKeytone() const
{
    return m_keytone;
}
