#ifndef MODALTIMEOUT_H
#define MODALTIMEOUT_H

#include <QObject>
#include <QPointer>
#include <QTimer>

class QDialog;

// Ends a modal run that a test failed to end (QDialog::done with the given result) once the
// wait limit has passed, so that a broken key script fails the test instead of hanging it.
// Never a way to end a run on purpose.
class ModalTimeout : public QObject
{
    Q_OBJECT
public:
    ModalTimeout(QDialog* dialog, int result);
    bool expired() const;

private slots:
    void expire();

private:
    QPointer<QDialog> m_dialog;
    int m_result;
    bool m_expired;
    QTimer m_timer;
};

#endif
