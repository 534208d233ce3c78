#ifndef KEYMAP_H
#define KEYMAP_H

#include <QList>
#include <QString>

class QKeyEvent;

// The phone's keys on a PC keyboard. Arrows, Enter/Return (OK) and Escape (back) are the
// phone's own keys and pass unchanged; F1..F10 stay free for the lists' hot keys. The four
// soft keys sit on Z X C V, left to right like the keys under the phone's screen, and the
// host's own actions on further letters.
class KeyMap
{
public:
    enum Action {
        NoAction,        // not a simulator key: delivered as it is
        PhoneKey,        // becomes the phone key phoneKey()
        SwitchLanguage,  // next language, "changedLanguage()"
        Toggle24Hour,    // 12/24-hour clock, "changedStatus()"
        CycleIme,        // next input-method status
        ClosePopups,     // broadcast "closeSelectPopup()"
        Screenshot,      // save the screen as a PNG
        Help,            // print the key list
        Quit
    };

    struct Binding {
        int pcKey;
        bool control;
        Action action;
        int phoneKey;
        const char* keyName;
        const char* meaning;
    };

    static QList<Binding> bindings();
    // What a key event of the PC keyboard means to the simulator.
    static const Binding* find(int pcKey, bool control);
    static const Binding* find(const QKeyEvent* event);
    // One line per key, for the terminal and the README.
    static QString helpText();
};

#endif
