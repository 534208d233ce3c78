#ifndef KEYSCRIPT_H
#define KEYSCRIPT_H

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class PhoneHost;

// A scripted session: phone keys, host actions and screenshots, played from the event loop so
// that it goes on inside the pages' and popups' modal loops. Each step waits until the screen
// has settled (PhoneHost::isSettled()), never for a time: a key after the one that opens a
// popup goes to the popup however slowly it comes up. Words, separated by blanks, commas or
// new lines ("#" starts a comment):
//   up down left right ok back soft1..soft4 f1..f10   press and release (KEY*N repeats)
//   press KEY, release KEY, hold KEY MS                 a key held down for MS
//   wait MS                                             a real pause (to watch a run)
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
    // A real pause before each key, action and screenshot, to watch a run (default 0); set it
    // before parse().
    void setKeyDelay(int ms);
    // The zoom of the face the "face" word writes (default 2, the face's own default).
    void setFaceZoom(int zoom);
    // Plays the steps from the event loop, the first once the idle screen has the keyboard.
    void start();
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
    void play(const Step& step);

    PhoneHost* m_host;
    QList<Step> m_steps;
    int m_pendingWait;
    int m_keyDelay;
    int m_faceZoom;
    bool m_running;
    bool m_marked;
    QElapsedTimer m_settling;
    QString m_error;
    QStringList m_screenshots;
};

#endif
