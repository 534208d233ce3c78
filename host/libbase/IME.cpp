#include "IME.h"

IME::IME(QObject* parent) : QObject(parent), m_status(0) {}

int IME::imeStatus()
{
    return m_status;
}

void IME::setImeStatus(int status)
{
    m_status = status;
    emit changedIMEStatus(status);
}
