#ifndef KEYSCRIPT_H
#define KEYSCRIPT_H

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class PhoneHost;

// A scripted session: phone keys, waits, host actions and screenshots, played from timers so
// that it goes on inside the pages' and popups' modal loops. Words, separated by blanks,
// commas or new lines ("#" starts a comment):
//   up down left right ok back soft1..soft4 f1..f10   press and release (KEY*N repeats)
//   press KEY, release KEY, hold KEY MS                 a key held down
//   wait MS                                             pause
//   shot FILE                                           PNG of the whole screen
//   face FILE                                           the same in the phone face (zoom 2)
//   lang [N], clock24, ime [N], closepopups             the host's actions
//   quit                                                end the simulator
class KeyScript : public QObject
{
    Q_OBJECT
public:
    explicit KeyScript(PhoneHost* host, QObject* parent = 0);

    // Replaces the steps; false (with errorString()) on a word it does not know, leaving
    // the script empty.
    bool parse(const QString& text);
    QString errorString() const;
    int stepCount() const;
    // Pause before each key and screenshot (default 80 ms).
    void setKeyDelay(int ms);
    void start(int initialDelayMs = 0);
    bool isRunning() const;
    QStringList screenshots() const;
    // Phone key of a script word, 0 when it names none.
    static int keyOf(const QString& word);

signals:
    void finished();
    void quitRequested();

private slots:
    void next();

private:
    enum Kind { Press, Release, Shot, Language, Clock24, Ime, ClosePopups, Quit, Pause };
    struct Step {
        Kind kind;
        int value;
        QString text;
        int delay;
    };
    void add(Kind kind, int value, const QString& text, int delay);

    PhoneHost* m_host;
    QList<Step> m_steps;
    int m_pendingWait;
    int m_keyDelay;
    bool m_running;
    QString m_error;
    QStringList m_screenshots;
};

#endif
