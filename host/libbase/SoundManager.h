#ifndef SOUNDMANAGER_H
#define SOUNDMANAGER_H

#include <QObject>

// Key tones of the host; popups mute them while they are shown.
class SoundManager : public QObject
{
    Q_OBJECT
public:
    explicit SoundManager(QObject* parent = 0);
    void setEnableKeytone(bool enable);
    bool isEnabledKeytone() const;

signals:
    void keytoneEnabled(bool enable);

private:
    bool m_keytone;
};

#endif
