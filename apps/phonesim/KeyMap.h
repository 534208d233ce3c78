#ifndef KEYMAP_H
#define KEYMAP_H

#include <QList>
#include <QPair>
#include <QString>

class QKeyEvent;

// The phone's keys on a PC keyboard. Arrows, Enter/Return (OK) and Escape (back) are the
// phone's own keys and pass unchanged, and so do F1..F10, the lists' hot keys; the digits
// 1..9, 0 send them too (TigerVNC keeps F8 for its menu). The four soft keys sit on Z X C V,
// left to right like the keys under the phone's screen, and the host's own actions on
// further keys. In a text field these characters type (PhoneHost lets them through).
class KeyMap
{
public:
    enum Action {
        NoAction,        // not a simulator key: delivered as it is
        PhoneKey,        // becomes the phone key phoneKey
        SwitchLanguage,  // next language, "changedLanguage()"
        Toggle24Hour,    // 12/24-hour clock, "changedStatus()"
        CycleIme,        // next input-method status
        ClosePopups,     // broadcast "closeSelectPopup()"
        Screenshot,      // save the screen as a PNG
        ZoomIn,          // the display's zoom
        ZoomOut,
        Help,            // print the key list
        Quit
    };

    struct Binding {
        int pcKey;
        bool control;
        Action action;
        int phoneKey;
        const char* keyName;   // null: listed with the binding before it
        const char* meaning;
    };

    static QList<Binding> bindings();
    // What a key event of the PC keyboard means to the simulator.
    static const Binding* find(int pcKey, bool control);
    static const Binding* find(const QKeyEvent* event);
    // The PC keys and what they do, one pair per line of the help.
    static QList<QPair<QString, QString> > legend();
    // One line per key, for the terminal.
    static QString helpText();
};

#endif
