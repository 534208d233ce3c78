#ifndef IME_H
#define IME_H

#include <QObject>

// The host's input-method engine: non-zero status while text input is active.
class IME : public QObject
{
    Q_OBJECT
public:
    explicit IME(QObject* parent = 0);
    int imeStatus();
    void setImeStatus(int status);

signals:
    void changedIMEStatus(int status);

private:
    int m_status;
};

#endif
