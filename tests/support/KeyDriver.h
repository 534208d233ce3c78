#ifndef KEYDRIVER_H
#define KEYDRIVER_H

#include <QList>
#include <QObject>
#include <QString>
#include <functional>

class QWidget;

// Plays keys into whatever widget has the keyboard focus, from timers, so that it works
// inside nested event loops (QDialog::exec()). Steps run in order, each after the given
// delay; a step may also be a check or an action run at that point.
class KeyDriver : public QObject
{
    Q_OBJECT
public:
    explicit KeyDriver(QObject* parent = 0);

    // Press and release of one key.
    KeyDriver& key(int key, int delayMs = 20);
    KeyDriver& press(int key, int delayMs = 20);
    KeyDriver& release(int key, int delayMs = 20);
    KeyDriver& call(const std::function<void()>& action, int delayMs = 20);
    void start();

    int pending() const;
    bool finished() const;
    // Where the key events go: the focus widget, else the active modal widget, else the active window.
    static QWidget* target();
    static void send(QWidget* target, int key, bool press);

private slots:
    void next();

private:
    struct Step {
        int delay;
        std::function<void()> action;
    };
    QList<Step> m_steps;
};

#endif
