#ifndef KEYDRIVER_H
#define KEYDRIVER_H

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QString>
#include <functional>

class QWidget;

// Plays keys into whatever widget has the keyboard focus, from the event loop, so that it works
// inside nested event loops (QDialog::exec()). Steps run in order, each once the screen has
// settled: when a modal widget (a popup, a page run with exec()) is up, it is the active
// window and the focus is inside it. So a key after the one that opens a popup goes to the
// popup's list, however long the popup takes to come up. A step may also be a check or an
// action run at that point.
class KeyDriver : public QObject
{
    Q_OBJECT
public:
    explicit KeyDriver(QObject* parent = 0);

    // Press and release of one key.
    KeyDriver& key(int key);
    KeyDriver& press(int key);
    KeyDriver& release(int key);
    KeyDriver& call(const std::function<void()>& action);
    void start();

    bool finished() const;
    // True when no modal widget is up, or the top one is the active window holding the focus.
    // With no window active at all it activates the top modal widget, as a window server does.
    static bool settled();
    // Where the key events go: the focus widget, else the active modal widget, else the active window.
    static QWidget* target();
    static void send(QWidget* target, int key, bool press);

private slots:
    void next();

private:
    void schedule(int ms);
    QList<std::function<void()> > m_steps;
    QElapsedTimer m_waiting;
};

#endif
