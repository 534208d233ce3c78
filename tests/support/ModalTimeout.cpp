#include "ModalTimeout.h"

#include "TestWait.h"

#include <QDialog>

ModalTimeout::ModalTimeout(QDialog* dialog, int result)
    : m_dialog(dialog), m_result(result), m_expired(false)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, SIGNAL(timeout()), this, SLOT(expire()));
    m_timer.start(kPhoneWaitLimitMs);
}

bool ModalTimeout::expired() const
{
    return m_expired;
}

void ModalTimeout::expire()
{
    m_expired = true;
    if (m_dialog)
        m_dialog->QDialog::done(m_result);
}
